// SPDX-License-Identifier: MIT
#include "fakes/awaited.h"
#include "fakes/fakedialogs.h"
#include "runtime/dialogs.h"
#include "runtime/dispatch.h"
#include "runtime/handlers.h"
#include "runtime/overflow.h"

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

runtime::Task<> promptInto(runtime::Dialogs &dialogs, QString *name)
{
    *name =
        co_await dialogs.textPrompt(QStringLiteral("P"), QStringLiteral("T"), QStringLiteral("D"));
}

// A handler that waits for a message, then overflows a counter at its limit.
runtime::Task<> overflowAfterAMessage(runtime::Dialogs &dialogs, QStringList *done)
{
    co_await dialogs.message(QStringLiteral("text"), QStringLiteral("title"));
    qint16 counter = 32767;
    runtime::increment16(counter);
    *done << QStringLiteral("not reached");
}

} // namespace

class TestModalDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void promptOffersItsDefaultAndReturnsTheField();
    void cancelledPromptReturnsEmptyText();
    void messageShowsPlainTextWithOkAlone();
    void errorNamesTheProgram();
    void promptWaitsWithoutHoldingUpItsCaller();
    void handlerEndedWhileWaitingTakesItsDialogAway();
    void overflowAfterAWaitIsReportedToo();
};

void TestModalDialogs::promptOffersItsDefaultAndReturnsTheField()
{
    runtime::ModalDialogs dialogs;
    whenOpen<QInputDialog>([](QInputDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Title"));
        QCOMPARE(dialog->labelText(), QStringLiteral("Prompt?"));
        QCOMPARE(dialog->textValue(), QStringLiteral("Default"));
        dialog->setTextValue(QStringLiteral("<b>&Ada</b>"));
        dialog->accept();
    });
    QCOMPARE(awaited(dialogs.textPrompt(QStringLiteral("Prompt?"), QStringLiteral("Title"),
                                        QStringLiteral("Default"))),
             QStringLiteral("<b>&Ada</b>"));
}

void TestModalDialogs::cancelledPromptReturnsEmptyText()
{
    runtime::ModalDialogs dialogs;
    whenOpen<QInputDialog>([](QInputDialog *dialog) { dialog->reject(); });
    QCOMPARE(
        awaited(dialogs.textPrompt(QStringLiteral("P"), QStringLiteral("T"), QStringLiteral("D"))),
        QString());
}

void TestModalDialogs::messageShowsPlainTextWithOkAlone()
{
    runtime::ModalDialogs dialogs;
    const QString text = QStringLiteral("<img src=x>&amp; <b>Ada</b>, you got a score of 0");
    bool checked = false;
    whenOpen<QMessageBox>([&](QMessageBox *box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("Your Score!"));
        QCOMPARE(box->text(), text);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        checked = true;
        box->accept();
    });
    QVERIFY(awaited(dialogs.message(text, QStringLiteral("Your Score!"))));
    QVERIFY(checked);
}

void TestModalDialogs::errorNamesTheProgram()
{
    QApplication::setApplicationName(QStringLiteral("Zapgrid"));
    runtime::ModalDialogs dialogs;
    bool checked = false;
    whenOpen<QMessageBox>([&](QMessageBox *box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("Zapgrid"));
        QCOMPARE(box->text(), QStringLiteral("Overflow"));
        QCOMPARE(box->icon(), QMessageBox::Critical);
        checked = true;
        box->accept();
    });
    QVERIFY(awaited(dialogs.errorMessage(QStringLiteral("Overflow"))));
    QVERIFY(checked);
}

// No event loop runs inside the handler: it gives the caller back control as
// soon as the dialog shows, and goes on when the dialog is answered.
void TestModalDialogs::promptWaitsWithoutHoldingUpItsCaller()
{
    runtime::ModalDialogs dialogs;
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

void TestModalDialogs::handlerEndedWhileWaitingTakesItsDialogAway()
{
    runtime::ModalDialogs dialogs;
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

void TestModalDialogs::overflowAfterAWaitIsReportedToo()
{
    FakeDialogs dialogs;
    QStringList done;
    runtime::Handlers handlers;
    handlers.run(runtime::dispatch(dialogs, [&] { return overflowAfterAMessage(dialogs, &done); }));
    QCOMPARE(dialogs.log, QStringList({QStringLiteral("message title: text"),
                                       QStringLiteral("error: Overflow")}));
    QVERIFY(done.isEmpty());
}

QTEST_MAIN(TestModalDialogs)
#include "tst_modaldialogs.moc"
