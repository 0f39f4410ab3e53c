// SPDX-License-Identifier: MIT
#include "fakes/fakefrontend.h"
#include "fakes/text.h"
#include "runtime/dialogs.h"
#include "runtime/gameclock.h"
#include "runtime/handlers.h"

#include <QTest>

#include <memory>

using namespace std::chrono_literals;
using State = runtime::GameClock::State;

namespace {

// A clock on a fake front end, counting its ticks.
struct Clocked
{
    FakeFrontEnd frontEnd;
    runtime::Dialogs dialogs{frontEnd, u"Zapgrid"};
    int ticks = 0;
    runtime::GameClock clock{frontEnd, dialogs, [this] {
                                 ++ticks;
                             }};
};

runtime::Task<> showMessage(runtime::Dialogs &dialogs)
{
    co_await dialogs.message(u"text", u"title");
}

} // namespace

class TestGameClock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ticksOnceAtItsIntervalToTheMillisecond();
    void longWaitIsTakenInTwoSteps();
    void earlyTimerIsWaitedOut();
    void standsStillWhileADialogIsOpen();
    void startedWhileADialogIsOpenWaitsForIt();
    void stoppedOrDestroyedClockStaysSilent();
    void tickMayDestroyTheClock();
};

void TestGameClock::ticksOnceAtItsIntervalToTheMillisecond()
{
    Clocked c;
    c.clock.start(60000ms);
    QCOMPARE(c.clock.state(), State::Running);

    c.frontEnd.time.advance(59999ms);
    QCOMPARE(c.ticks, 0);
    c.frontEnd.time.advance(1ms);
    QCOMPARE(c.ticks, 1);
    QCOMPARE(c.clock.state(), State::Stopped);
    // One tick per start: no timer is left behind.
    QVERIFY(!c.frontEnd.time.pending());
    c.frontEnd.time.advance(600000ms);
    QCOMPARE(c.ticks, 1);
}

void TestGameClock::longWaitIsTakenInTwoSteps()
{
    // Linux wakes a poll() up to a thousandth of its timeout late, so the
    // clock's first wait stops 100 ms short of the deadline, and the last is
    // too short to be late by much.
    Clocked c;
    c.clock.start(1000ms);
    QCOMPARE(c.frontEnd.time.dueIn(), 900ms);
    c.frontEnd.time.advance(900ms);
    QCOMPARE(c.ticks, 0);
    QCOMPARE(c.frontEnd.time.dueIn(), 100ms);

    // A short interval is waited in one go.
    c.clock.start(150ms);
    QCOMPARE(c.frontEnd.time.dueIn(), 150ms);
}

void TestGameClock::earlyTimerIsWaitedOut()
{
    // A front end's timer that fires before its time (as a page's may, once
    // the tab was in the background) must not end the game early.
    Clocked c;
    c.clock.start(150ms);
    c.frontEnd.time.advance(30ms);
    c.frontEnd.time.fireEarly();
    QCOMPARE(c.ticks, 0);
    QCOMPARE(c.frontEnd.time.dueIn(), 120ms);
    c.frontEnd.time.advance(120ms);
    QCOMPARE(c.ticks, 1);
}

void TestGameClock::standsStillWhileADialogIsOpen()
{
    Clocked c;
    c.clock.start(1000ms);
    c.frontEnd.time.advance(400ms);
    State whileOpen = State::Stopped;
    c.frontEnd.dialogs.whileOpen = [&] {
        whileOpen = c.clock.state();
        // Five minutes pass while the dialog is open.
        c.frontEnd.time.advance(300000ms);
    };
    runtime::Handlers handlers;
    handlers.run(showMessage(c.dialogs));

    QCOMPARE(whileOpen, State::Paused);
    QCOMPARE(c.ticks, 0);
    QVERIFY(!c.dialogs.anyOpen());
    QCOMPARE(c.clock.state(), State::Running);
    c.frontEnd.time.advance(599ms);
    QCOMPARE(c.ticks, 0);
    c.frontEnd.time.advance(1ms);
    QCOMPARE(c.ticks, 1);
}

void TestGameClock::startedWhileADialogIsOpenWaitsForIt()
{
    Clocked c;
    c.frontEnd.dialogs.whileOpen = [&] {
        c.clock.start(100ms);
        c.frontEnd.time.advance(1000ms);
    };
    runtime::Handlers handlers;
    handlers.run(showMessage(c.dialogs));
    QCOMPARE(c.ticks, 0);
    c.frontEnd.time.advance(100ms);
    QCOMPARE(c.ticks, 1);
}

void TestGameClock::stoppedOrDestroyedClockStaysSilent()
{
    Clocked c;
    c.clock.start(50ms);
    c.clock.stop();
    QVERIFY(!c.frontEnd.time.pending());
    c.frontEnd.time.advance(1000ms);
    QCOMPARE(c.ticks, 0);

    FakeFrontEnd frontEnd;
    runtime::Dialogs dialogs(frontEnd, u"Zapgrid");
    {
        runtime::GameClock clock(frontEnd, dialogs, [] { QFAIL("a destroyed clock ticked"); });
        clock.start(50ms);
    }
    QVERIFY(!frontEnd.time.pending());
    // Nor does a dialog's closing bring a destroyed clock back.
    runtime::Handlers handlers;
    handlers.run(showMessage(dialogs));
    QVERIFY(!frontEnd.time.pending());
}

void TestGameClock::tickMayDestroyTheClock()
{
    FakeFrontEnd frontEnd;
    runtime::Dialogs dialogs(frontEnd, u"Zapgrid");
    std::unique_ptr<runtime::GameClock> clock;
    int ticks = 0;
    clock = std::make_unique<runtime::GameClock>(frontEnd, dialogs, [&] {
        ++ticks;
        // As a game's end unloads the window, and the clock with it, then
        // starts the next game's.
        clock = std::make_unique<runtime::GameClock>(frontEnd, dialogs, [&] { ++ticks; });
        clock->start(100ms);
    });
    clock->start(100ms);
    frontEnd.time.advance(100ms);
    QCOMPARE(ticks, 1);
    frontEnd.time.advance(100ms);
    QCOMPARE(ticks, 2);
}

QTEST_GUILESS_MAIN(TestGameClock)
#include "tst_gameclock.moc"
