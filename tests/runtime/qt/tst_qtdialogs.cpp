// SPDX-License-Identifier: MIT
#include "fakes/awaited.h"
#include "fakes/text.h"
#include "runtime/handlers.h"
#include "runtime/qt/qtfrontend.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs answer on the modal dialog of type Dialog once it is open. A dialog
// that a failed check left open is cancelled, so the test ends.
template <typename Dialog> void whenOpen(std::function<void(Dialog *)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<Dialog *>(modal))
            answer(dialog);
        else
            QTest::qFail("the expected dialog is not open", __FILE__, __LINE__);
        if (modal && modal->isVisible())
            modal->close();
    });
}

runtime::Task<> promptInto(runtime::FrontEnd &dialogs, QString *name)
{
    *name = q(co_await dialogs.prompt(u"P", u"T", u"D"));
}

// The front end of a real run, with End only counted.
struct Dialogs : runtime::qt::QtFrontEnd
{
    Dialogs() : QtFrontEnd([this] { ++ended; }) {}
    int ended = 0;
};

} // namespace

class TestQtDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void promptOffersItsDefaultAndReturnsTheField();
    void cancelledPromptReturnsEmptyText();
    void messageShowsPlainTextWithOkAlone();
    void errorIsCritical();
    void promptWaitsWithoutHoldingUpItsCaller();
    void handlerEndedWhileWaitingTakesItsDialogAway();
};

void TestQtDialogs::promptOffersItsDefaultAndReturnsTheField()
{
    Dialogs dialogs;
    whenOpen<QInputDialog>([](QInputDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Title"));
        QCOMPARE(dialog->labelText(), QStringLiteral("Prompt?"));
        QCOMPARE(dialog->textValue(), QStringLiteral("Default"));
        dialog->setTextValue(QStringLiteral("<b>&Ada</b>"));
        dialog->accept();
    });
    QCOMPARE(q(awaited(dialogs.prompt(u"Prompt?", u"Title", u"Default")).value_or(u"(none)")),
             QStringLiteral("<b>&Ada</b>"));
}

void TestQtDialogs::cancelledPromptReturnsEmptyText()
{
    Dialogs dialogs;
    whenOpen<QInputDialog>([](QInputDialog *dialog) { dialog->reject(); });
    QCOMPARE(q(awaited(dialogs.prompt(u"P", u"T", u"D")).value_or(u"(none)")), QString());
}

void TestQtDialogs::messageShowsPlainTextWithOkAlone()
{
    Dialogs dialogs;
    const std::u16string text = u"<img src=x>&amp; <b>Ada</b>, you got a score of 0";
    bool checked = false;
    whenOpen<QMessageBox>([&](QMessageBox *box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("Your Score!"));
        QCOMPARE(box->text(), q(text));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        checked = true;
        box->accept();
    });
    QVERIFY(awaited(dialogs.message(runtime::MessageKind::Plain, text, u"Your Score!")));
    QVERIFY(checked);
}

void TestQtDialogs::errorIsCritical()
{
    Dialogs dialogs;
    bool checked = false;
    whenOpen<QMessageBox>([&](QMessageBox *box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("Zapgrid"));
        QCOMPARE(box->text(), QStringLiteral("Overflow"));
        QCOMPARE(box->icon(), QMessageBox::Critical);
        checked = true;
        box->accept();
    });
    QVERIFY(awaited(dialogs.message(runtime::MessageKind::Error, u"Overflow", u"Zapgrid")));
    QVERIFY(checked);
}

// No event loop runs inside the handler: it gives the caller back control as
// soon as the dialog shows, and goes on when the dialog is answered.
void TestQtDialogs::promptWaitsWithoutHoldingUpItsCaller()
{
    Dialogs dialogs;
    runtime::Handlers handlers;
    QString name = QStringLiteral("unset");
    QWidget game;
    game.show();

    handlers.run(promptInto(dialogs, &name));

    auto *prompt = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
    QVERIFY(prompt);
    QCOMPARE(prompt->windowModality(), Qt::ApplicationModal);
    QVERIFY(QApplication::activeModalWidget() != &game);
    QCOMPARE(name, QStringLiteral("unset"));
    prompt->setTextValue(QStringLiteral("Ada"));
    prompt->accept();
    QCOMPARE(name, QStringLiteral("Ada"));
    QTRY_VERIFY(QApplication::topLevelWidgets() == QWidgetList{&game});
}

void TestQtDialogs::handlerEndedWhileWaitingTakesItsDialogAway()
{
    Dialogs dialogs;
    QString name = QStringLiteral("unset");
    QPointer<QWidget> prompt;
    {
        runtime::Handlers handlers;
        handlers.run(promptInto(dialogs, &name));
        prompt = QApplication::activeModalWidget();
        QVERIFY(prompt && prompt->isVisible());
    }
    QVERIFY(!prompt || !prompt->isVisible());
    QCOMPARE(name, QStringLiteral("unset"));
    QTRY_VERIFY(prompt.isNull());
}

QTEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"
