// SPDX-License-Identifier: MIT
#include "fakes/fakefrontend.h"
#include "fakes/gamefixture.h"
#include "fakes/text.h"
#include "runtime/windowtemplate.h"

#include <QTest>

using namespace std::chrono_literals;
using formtemplate::Command1;
using formtemplate::Label1;
using State = runtime::GameClock::State;

namespace {

const QString promptLine = QStringLiteral("prompt Your Identity: So, what's your name? [No-Name]");

struct Game : GameFixture<FakeFrontEnd>
{
    using GameFixture::GameFixture;

    FakeWindow *window() const { return frontEnd.window(); }
    QStringList &log() { return frontEnd.dialogs.log; }
    // What the window shows, as a player reads it.
    QString feedback() const { return q(window()->captions.at(formtemplate::Label2)); }
    QString tally() const { return q(window()->captions.at(formtemplate::Label3)); }
    int shownMarks() const
    {
        return int(window()->visible[Label1(0)]) + int(window()->visible[Label1(1)]) +
               int(window()->visible[Label1(2)]);
    }
    void press(int index) { window()->press(Command1(index)); }
    void hit() { press(target()); }
    void miss() { press((target() + 1) % 3); }
};

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void templateNamesEveryControl();
    void startUpAsksTheNameBeforeShowingTheWindow();
    void cancelledPromptGivesAnEmptyNameAndTheGameGoesOn();
    void gameLastsSixtySecondsFromThePromptsClosing();
    void clicksAreJudgedAndShown();
    void resetMidGameAsksAgainAndZeroesTheCountersLast();
    void gameEndShowsTheScoreThenReloads();
    void scoreMessageLeftOpenBringsNoSecondTick();
    void overflowIsReportedWhileTheClockStandsStill();
    void endAndCloseEndTheProgramAtOnce();
    void readerHearsEveryClickAndWhereTheMarkIs();
};

void TestForm1::templateNamesEveryControl()
{
    const runtime::WindowTemplate &layout = formtemplate::form1();
    const std::u16string words[3] = {u"Left!", u"Middle!", u"Right!"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(q(layout.controls.at(Command1(i)).caption), q(words[i]));
        QVERIFY(layout.controls.at(Command1(i)).kind == runtime::ControlKind::PushButton);
        QCOMPARE(q(layout.controls.at(Label1(i)).caption), QStringLiteral("HIT!"));
        // All three marks start hidden.
        QVERIFY(!layout.controls.at(Label1(i)).visible);
    }
    QCOMPARE(q(layout.controls.at(formtemplate::Label2).caption), QStringLiteral("Oops!"));
    QCOMPARE(q(layout.controls.at(formtemplate::Label3).caption), QStringLiteral("0 Correct of 0"));
    QCOMPARE(q(layout.menu.at(formtemplate::mnuReset)), QStringLiteral("&Reset!"));
    QCOMPARE(q(layout.menu.at(formtemplate::mnuEnd)), QStringLiteral("&End"));
    // Left!, Middle!, Right! in tab order.
    QVERIFY(layout.controls[Command1(0)].tabIndex < layout.controls[Command1(1)].tabIndex);
    QVERIFY(layout.controls[Command1(1)].tabIndex < layout.controls[Command1(2)].tabIndex);
}

void TestForm1::startUpAsksTheNameBeforeShowingTheWindow()
{
    Game game;
    game.frontEnd.dialogs.names = {QStringLiteral("Ada")};
    int shownDuringPrompt = -1;
    int marksDuringPrompt = -1;
    State clockDuringPrompt = State::Running;
    game.frontEnd.dialogs.whileOpen = [&] {
        shownDuringPrompt = game.window()->shown;
        marksDuringPrompt = game.shownMarks();
        clockDuringPrompt = game.clock();
    };

    game.show();

    QCOMPARE(game.log(), QStringList{promptLine});
    QCOMPARE(shownDuringPrompt, 0);
    QCOMPARE(marksDuringPrompt, 0);
    QCOMPARE(clockDuringPrompt, State::Stopped);
    QCOMPARE(q(game.state().playerName), QStringLiteral("Ada"));
    QCOMPARE(game.window()->shown, 1);
    QCOMPARE(game.shownMarks(), 1);
    QCOMPARE(game.feedback(), QStringLiteral("Oops!"));
    QCOMPARE(game.tally(), QStringLiteral("0 Correct of 0"));
    QCOMPARE(game.clock(), State::Running);
}

void TestForm1::cancelledPromptGivesAnEmptyNameAndTheGameGoesOn()
{
    Game game;
    game.frontEnd.dialogs.names = {QString()};
    game.show();
    QCOMPARE(q(game.state().playerName), QString());
    QCOMPARE(game.shownMarks(), 1);
    QCOMPARE(game.clock(), State::Running);
}

void TestForm1::gameLastsSixtySecondsFromThePromptsClosing()
{
    Game game;
    // The player takes ten seconds over the name.
    game.frontEnd.dialogs.whileOpen = [&] {
        if (game.log().size() == 1)
            game.frontEnd.time.advance(10000ms);
    };
    game.show();

    game.frontEnd.time.advance(59999ms);
    QCOMPARE(game.log().size(), 1);
    game.frontEnd.time.advance(1ms);
    QCOMPARE(game.log().at(1),
             QStringLiteral("message Your Score!: No-Name, you got a score of-6000"));
}

void TestForm1::clicksAreJudgedAndShown()
{
    Game game;
    game.show();
    const int first = game.target();
    const QStringList words = {QStringLiteral("Left!"), QStringLiteral("Middle!"),
                               QStringLiteral("Right!")};

    game.press(first);
    QCOMPARE(game.feedback(), words[first]);
    QVERIFY(game.target() != first);
    QCOMPARE(game.shownMarks(), 1);
    QVERIFY(game.window()->visible[Label1(game.target())]);
    // The same button again: the mark has always moved away from it.
    game.press(first);
    QCOMPARE(game.feedback(), QStringLiteral("Oops!"));
    QCOMPARE(game.tally(), QStringLiteral(" 1 correct of 2"));

    // Only the position buttons are pressed: the marks and labels take none.
    game.window()->press(Label1(game.target()));
    game.window()->press(formtemplate::Label3);
    QCOMPARE(game.state().clicks, qint16(2));
}

void TestForm1::resetMidGameAsksAgainAndZeroesTheCountersLast()
{
    Game game;
    game.frontEnd.dialogs.names = {QStringLiteral("Ada"), QStringLiteral("Bob")};
    game.show();
    game.hit();
    game.miss();
    int clicksDuringPrompt = -1;
    std::size_t windowsDuringPrompt = 0;
    game.frontEnd.dialogs.whileOpen = [&] {
        clicksDuringPrompt = game.state().clicks;
        // The old window is gone and the new one made, but not yet shown.
        windowsDuringPrompt = game.frontEnd.windows.size();
        QCOMPARE(game.frontEnd.windowsMade, 2);
        QCOMPARE(game.window()->shown, 0);
    };

    game.window()->choose(formtemplate::mnuReset);

    QCOMPARE(game.log(), QStringList({promptLine, promptLine}));
    QCOMPARE(clicksDuringPrompt, 2);
    QCOMPARE(windowsDuringPrompt, std::size_t(1));
    QCOMPARE(game.frontEnd.windows.size(), std::size_t(1));
    QCOMPARE(game.frontEnd.windowsMade, 2);
    QCOMPARE(game.state().hits, 0);
    QCOMPARE(game.state().clicks, qint16(0));
    QCOMPARE(q(game.state().playerName), QStringLiteral("Bob"));
    QCOMPARE(game.shownMarks(), 1);
    QCOMPARE(game.feedback(), QStringLiteral("Oops!"));
    QCOMPARE(game.tally(), QStringLiteral("0 Correct of 0"));
    QCOMPARE(game.clock(), State::Running);
}

void TestForm1::gameEndShowsTheScoreThenReloads()
{
    Game game;
    game.frontEnd.dialogs.names = {QStringLiteral("Ada")};
    game.show();
    game.hit();
    game.miss();

    game.elapse();

    QCOMPARE(game.log(),
             QStringList({promptLine,
                          QStringLiteral("message Your Score!: Ada, you got a score of-6050"),
                          promptLine}));
    QCOMPARE(game.state().clicks, qint16(0));
    QCOMPARE(game.state().hits, 0);
    QCOMPARE(q(game.state().playerName), QStringLiteral("No-Name"));
    QCOMPARE(game.frontEnd.windowsMade, 2);
    QCOMPARE(game.clock(), State::Running);
}

void TestForm1::scoreMessageLeftOpenBringsNoSecondTick()
{
    Game game;
    game.show();
    game.frontEnd.dialogs.whileOpen = [&] {
        // Another whole game's time passes while the message is open.
        if (game.log().last().startsWith(QStringLiteral("message")))
            game.elapse();
    };
    game.elapse();

    QCOMPARE(game.log().filter(QStringLiteral("Your Score!")).size(), 1);
    QCOMPARE(game.frontEnd.windowsMade, 2);
    QCOMPARE(game.clock(), State::Running);
}

void TestForm1::overflowIsReportedWhileTheClockStandsStill()
{
    Game game;
    game.show();
    for (int i = 0; i < 32767; ++i)
        game.form.Command1_Click(qint16(game.target()));
    const int target = game.target();
    State clockDuringReport = State::Running;
    game.frontEnd.dialogs.whileOpen = [&] {
        clockDuringReport = game.clock();
        game.frontEnd.time.advance(120000ms);
    };

    game.hit();
    game.miss();

    QCOMPARE(game.log(), QStringList({promptLine, QStringLiteral("error Zapgrid: Overflow"),
                                      QStringLiteral("error Zapgrid: Overflow")}));
    QCOMPARE(clockDuringReport, State::Paused);
    QCOMPARE(game.clock(), State::Running);
    QCOMPARE(game.state().clicks, qint16(32767));
    QCOMPARE(game.state().hits, 32768);
    QCOMPARE(game.feedback(), QStringLiteral("Oops!"));
    QCOMPARE(game.tally(), QStringLiteral(" 32767 correct of 32767"));
    QCOMPARE(game.target(), target);

    game.frontEnd.dialogs.whileOpen = nullptr;
    game.window()->choose(formtemplate::mnuReset);
    game.hit();
    QCOMPARE(game.tally(), QStringLiteral(" 1 correct of 1"));
}

void TestForm1::endAndCloseEndTheProgramAtOnce()
{
    Game game;
    game.show();
    game.window()->choose(formtemplate::mnuEnd);
    QCOMPARE(game.frontEnd.ended, 1);
    game.window()->close();
    QCOMPARE(game.frontEnd.ended, 2);
    QCOMPARE(game.log(), QStringList{promptLine});
}

void TestForm1::readerHearsEveryClickAndWhereTheMarkIs()
{
    Game game;
    game.show();
    const QStringList words = {QStringLiteral("Left!"), QStringLiteral("Middle!"),
                               QStringLiteral("Right!")};
    const auto place = [&]() -> QString {
        return QStringLiteral("Mark above ") + words[game.target()];
    };
    // A new window tells where the mark is, and nothing else unasked.
    QCOMPARE(q(game.window()->description), place());
    QVERIFY(game.window()->news.empty());

    const int first = game.target();
    game.hit();
    game.press(first);

    QCOMPARE(game.window()->news.size(), std::size_t(2));
    QCOMPARE(q(game.window()->news[0]).section(QLatin1Char(' '), 0, 0), words[first]);
    QCOMPARE(q(game.window()->news[1]), QStringLiteral("Oops! ") + place());
    QCOMPARE(q(game.window()->description), place());
    // The focused button reads the tally.
    QCOMPARE(q(game.window()->descriptions[Command1(0)]), QStringLiteral(" 1 correct of 2"));
}

QTEST_GUILESS_MAIN(TestForm1)
#include "tst_form1.moc"
