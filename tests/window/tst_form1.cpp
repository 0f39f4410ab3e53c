// SPDX-License-Identifier: MIT
#include "fakes/fakedialogs.h"
#include "fakes/formfixture.h"
#include "window/formtemplate.h"
#include "window/tallylabel.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

namespace {

const QString promptLine = QStringLiteral("prompt Your Identity: So, what's your name? [No-Name]");

struct OwnDialogs
{
    FakeDialogs dialogs;
};

// A form on fake dialogs that the game owns; the dialogs come first, so they
// are made before the form that uses them.
struct Game : OwnDialogs, FormFixture
{
    Game() : FormFixture(dialogs, 5) {}

    // Shows the form and makes its window the active one, as a player sees it.
    bool start()
    {
        show();
        window()->activateWindow();
        return QTest::qWaitForWindowActive(window());
    }
};

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpAsksTheNameBeforeShowingTheWindow();
    void windowIsBuiltFromTheTemplate();
    void cancelledPromptGivesAnEmptyNameAndTheGameGoesOn();
    void mouseClicksAreJudged();
    void keyboardPlaysInTabOrder();
    void resetMidGameAsksAgainAndZeroesTheCounters();
    void gameEndShowsTheScoreThenReloads();
    void modalDialogHoldsTheClock();
    void overflowIsReportedAndTheGameGoesOn();
    void endQuitsFromTheMenu();
    void closingTheWindowEndsTheProgram();
};

void TestForm1::startUpAsksTheNameBeforeShowingTheWindow()
{
    Game game;
    game.dialogs.names = {QStringLiteral("Ada")};
    bool windowShownDuringPrompt = true;
    int clockRunningDuringPrompt = -1;
    game.dialogs.whileOpen = [&] {
        windowShownDuringPrompt = game.window()->isVisible();
        clockRunningDuringPrompt = game.clock()->running;
    };

    QVERIFY(game.start());

    QCOMPARE(game.dialogs.log, QStringList{promptLine});
    QVERIFY(!windowShownDuringPrompt);
    QCOMPARE(clockRunningDuringPrompt, 0);
    QCOMPARE(game.form.state().playerName, QStringLiteral("Ada"));
    QVERIFY(game.window()->isVisible());
    QCOMPARE(game.visibleMarks(), 1);
    QCOMPARE(game.window()->Label2->text(), QStringLiteral("Oops!"));
    QCOMPARE(game.window()->Label3->text(), QStringLiteral("0 Correct of 0"));
    QVERIFY(game.clock()->running);
    QCOMPARE(game.clock()->interval, 60000ms);
    QCOMPARE(QApplication::focusWidget(), game.button(0));
}

void TestForm1::windowIsBuiltFromTheTemplate()
{
    Game game;
    QVERIFY(game.start());
    FormWindow *window = game.window();

    QCOMPARE(window->windowTitle(), QStringLiteral("Zapgrid by Brevanno"));
    QCOMPARE(window->centralWidget()->size(), QSize(255, 183));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->mnuReset->text(), QStringLiteral("&Reset!"));
    QCOMPARE(window->mnuEnd->text(), QStringLiteral("&End"));

    const QStringList captions = {QStringLiteral("Left!"), QStringLiteral("Middle!"),
                                  QStringLiteral("Right!")};
    const QRect buttons[3] = {{32, 56, 49, 33}, {88, 56, 73, 33}, {168, 56, 57, 33}};
    const QRect marks[3] = {{32, 8, 57, 33}, {96, 8, 57, 33}, {168, 8, 57, 33}};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(game.button(i)->text(), captions[i]);
        QCOMPARE(game.button(i)->geometry(), buttons[i]);
        QCOMPARE(game.button(i)->font().pointSizeF(), 13.5);
        QCOMPARE(window->Label1[i]->text(), QStringLiteral("HIT!"));
        QCOMPARE(window->Label1[i]->geometry(), marks[i]);
        QCOMPARE(window->Label1[i]->font().pointSizeF(), 18.0);
        QVERIFY(window->Label1[i]->font().bold());
        // A caption must fit its control in the font actually chosen.
        QVERIFY(game.button(i)->fontMetrics().horizontalAdvance(captions[i]) <
                game.button(i)->width() - 8);
        QVERIFY(window->Label1[i]->fontMetrics().horizontalAdvance(QStringLiteral("HIT!")) <=
                window->Label1[i]->width());
    }
    // The face is the first of the template's that this system has.
    const QStringList installed = QFontDatabase::families();
    const QStringList families = formtemplate::fontFamilies();
    const auto face = std::find_if(families.begin(), families.end(), [&](const QString &family) {
        return installed.contains(family);
    });
    QVERIFY(face != families.end());
    QCOMPARE(QFontInfo(game.button(0)->font()).family(), *face);
    QCOMPARE(QFontInfo(window->Label1[0]->font()).family(), *face);

    QCOMPARE(window->Label2->geometry(), QRect(104, 104, 65, 25));
    QCOMPARE(window->Label3->geometry(), QRect(16, 144, 225, 25));
    QVERIFY(window->Label3->alignment() & Qt::AlignHCenter);

    // Only the buttons take the focus.
    const QList<QWidget *> focusable = [&] {
        QList<QWidget *> widgets;
        for (QWidget *child : window->findChildren<QWidget *>())
            if (child->focusPolicy() != Qt::NoFocus)
                widgets << child;
        return widgets;
    }();
    QCOMPARE(focusable.size(), 3);
    for (QWidget *widget : focusable)
        QVERIFY(qobject_cast<QPushButton *>(widget));
}

void TestForm1::cancelledPromptGivesAnEmptyNameAndTheGameGoesOn()
{
    Game game;
    game.dialogs.names = {QString()};
    QVERIFY(game.start());

    QCOMPARE(game.form.state().playerName, QString());
    QCOMPARE(game.visibleMarks(), 1);
    QVERIFY(game.clock()->running);
}

void TestForm1::mouseClicksAreJudged()
{
    Game game;
    QVERIFY(game.start());
    const int first = game.target();
    const QStringList words = {QStringLiteral("Left!"), QStringLiteral("Middle!"),
                               QStringLiteral("Right!")};

    QTest::mouseClick(game.button(first), Qt::LeftButton);
    QCOMPARE(game.window()->Label2->text(), words[first]);
    QVERIFY(game.target() != first);
    // The same button again: the mark has always moved away from it.
    QTest::mouseClick(game.button(first), Qt::LeftButton);
    QCOMPARE(game.window()->Label2->text(), QStringLiteral("Oops!"));
    QCOMPARE(game.window()->Label3->text(), QStringLiteral(" 1 correct of 2"));
    QCOMPARE(game.visibleMarks(), 1);

    // The marks take no clicks.
    QTest::mouseClick(game.window()->Label1[game.target()], Qt::LeftButton);
    QCOMPARE(game.form.state().clicks, qint16(2));
}

void TestForm1::keyboardPlaysInTabOrder()
{
    Game game;
    QVERIFY(game.start());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(game.form.state().clicks, qint16(1));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), game.button(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), game.button(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), game.button(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), game.button(2));

    const int target = game.target();
    game.button(target)->setFocus();
    QTest::keyClick(game.button(target), Qt::Key_Space);
    QCOMPARE(game.form.state().hits, 1);
    QCOMPARE(game.form.state().clicks, qint16(2));
}

void TestForm1::resetMidGameAsksAgainAndZeroesTheCounters()
{
    Game game;
    game.dialogs.names = {QStringLiteral("Ada"), QStringLiteral("Bob")};
    QVERIFY(game.start());
    QTest::mouseClick(game.button(game.target()), Qt::LeftButton);
    QTest::mouseClick(game.button(game.target()), Qt::LeftButton);
    QPointer<FormWindow> oldWindow = game.window();
    ManualClock *oldClock = game.clock();
    int clicksDuringPrompt = -1;
    bool oldWindowShownDuringPrompt = true;
    game.dialogs.whileOpen = [&] {
        clicksDuringPrompt = game.form.state().clicks;
        oldWindowShownDuringPrompt = oldWindow && oldWindow->isVisible();
    };

    QTest::keyClick(game.window(), Qt::Key_R, Qt::AltModifier);

    QCOMPARE(game.dialogs.log, QStringList({promptLine, promptLine}));
    QCOMPARE(clicksDuringPrompt, 2);
    QVERIFY(!oldWindowShownDuringPrompt);
    QVERIFY(!oldClock->running);
    QCOMPARE(game.form.state().hits, 0);
    QCOMPARE(game.form.state().clicks, qint16(0));
    QCOMPARE(game.form.state().playerName, QStringLiteral("Bob"));
    QVERIFY(game.window() != oldWindow);
    QVERIFY(game.window()->isVisible());
    QCOMPARE(game.visibleMarks(), 1);
    QCOMPARE(game.window()->Label2->text(), QStringLiteral("Oops!"));
    QCOMPARE(game.window()->Label3->text(), QStringLiteral("0 Correct of 0"));
    QVERIFY(game.clock()->running);
    // The old window and its controls are gone once the event is over.
    QTRY_VERIFY(oldWindow.isNull());
}

void TestForm1::gameEndShowsTheScoreThenReloads()
{
    Game game;
    game.dialogs.names = {QStringLiteral("Ada")};
    QVERIFY(game.start());
    const int first = game.target();
    QTest::mouseClick(game.button(first), Qt::LeftButton);
    QTest::mouseClick(game.button(first), Qt::LeftButton);
    QPointer<FormWindow> oldWindow = game.window();

    game.clock()->elapse();

    QCOMPARE(game.dialogs.log,
             QStringList({promptLine,
                          QStringLiteral("message Your Score!: Ada, you got a score of-6050"),
                          promptLine}));
    QCOMPARE(game.form.state().clicks, qint16(0));
    QCOMPARE(game.form.state().hits, 0);
    QCOMPARE(game.form.state().playerName, QStringLiteral("No-Name"));
    QVERIFY(game.window() != oldWindow);
    QVERIFY(game.clock()->running);
    QTRY_VERIFY(oldWindow.isNull());
}

void TestForm1::modalDialogHoldsTheClock()
{
    Game game;
    QVERIFY(game.start());
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("A"), QStringLiteral("B"));
    box.setWindowModality(Qt::ApplicationModal);

    box.show();
    QVERIFY(!game.clock()->running);
    QVERIFY(game.clock()->paused);
    box.accept();
    QVERIFY(game.clock()->running);
}

void TestForm1::overflowIsReportedAndTheGameGoesOn()
{
    Game game;
    QVERIFY(game.start());
    for (int i = 0; i < 32767; ++i)
        game.form.Command1_Click(qint16(game.target()));
    const int target = game.target();

    QTest::mouseClick(game.button(target), Qt::LeftButton);
    QTest::mouseClick(game.button((target + 1) % 3), Qt::LeftButton);

    QCOMPARE(game.dialogs.log, QStringList({promptLine, QStringLiteral("error: Overflow"),
                                            QStringLiteral("error: Overflow")}));
    QCOMPARE(game.form.state().clicks, qint16(32767));
    QCOMPARE(game.form.state().hits, 32768);
    QCOMPARE(game.window()->Label2->text(), QStringLiteral("Oops!"));
    QCOMPARE(game.window()->Label3->text(), QStringLiteral(" 32767 correct of 32767"));
    QCOMPARE(game.target(), target);

    game.window()->mnuReset->trigger();
    QTest::mouseClick(game.button(game.target()), Qt::LeftButton);
    QCOMPARE(game.window()->Label3->text(), QStringLiteral(" 1 correct of 1"));
}

void TestForm1::endQuitsFromTheMenu()
{
    Game game;
    QVERIFY(game.start());
    QTest::keyClick(game.window(), Qt::Key_E, Qt::AltModifier);
    QCOMPARE(game.ended, 1);
    QCOMPARE(game.dialogs.log, QStringList{promptLine});
}

void TestForm1::closingTheWindowEndsTheProgram()
{
    Game game;
    QVERIFY(game.start());
    game.window()->close();
    QCOMPARE(game.ended, 1);
    QCOMPARE(game.dialogs.log, QStringList{promptLine});
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
