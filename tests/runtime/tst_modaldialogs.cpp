// SPDX-License-Identifier: MIT
#include "runtime/dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
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

} // namespace

class TestModalDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void promptOffersItsDefaultAndReturnsTheField();
    void cancelledPromptReturnsEmptyText();
    void messageShowsPlainTextWithOkAlone();
    void errorNamesTheProgram();
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
    QCOMPARE(dialogs.textPrompt(QStringLiteral("Prompt?"), QStringLiteral("Title"),
                                QStringLiteral("Default")),
             QStringLiteral("<b>&Ada</b>"));
}

void TestModalDialogs::cancelledPromptReturnsEmptyText()
{
    runtime::ModalDialogs dialogs;
    whenOpen<QInputDialog>([](QInputDialog *dialog) { dialog->reject(); });
    QCOMPARE(dialogs.textPrompt(QStringLiteral("P"), QStringLiteral("T"), QStringLiteral("D")),
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
    dialogs.message(text, QStringLiteral("Your Score!"));
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
    dialogs.errorMessage(QStringLiteral("Overflow"));
    QVERIFY(checked);
}

QTEST_MAIN(TestModalDialogs)
#include "tst_modaldialogs.moc"
