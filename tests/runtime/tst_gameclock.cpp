// SPDX-License-Identifier: MIT
#include "runtime/gameclock.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

class TestGameClock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ticksOnceAfterItsInterval();
    void longWaitIsTakenInTwoSteps();
    void pausedTimeDoesNotCount();
    void stoppedClockStaysSilent();
};

void TestGameClock::ticksOnceAfterItsInterval()
{
    runtime::PreciseClock clock;
    QSignalSpy ticks(&clock, &runtime::GameClock::ticked);
    // A coarse timer would be rounded to whole seconds at game lengths.
    QCOMPARE(clock.findChild<QTimer *>()->timerType(), Qt::PreciseTimer);
    QElapsedTimer elapsed;
    elapsed.start();

    clock.start(100ms);

    QTRY_COMPARE_WITH_TIMEOUT(ticks.size(), 1, 5000);
    QVERIFY2(elapsed.elapsed() >= 100, qPrintable(QString::number(elapsed.elapsed())));
    QTest::qWait(200);
    QCOMPARE(ticks.size(), 1);
}

void TestGameClock::longWaitIsTakenInTwoSteps()
{
    // Linux wakes a poll() up to a thousandth of its timeout late, so the
    // clock's first wait stops 100 ms short of the deadline, and the last is
    // too short to be late by much. How late it really is, on a given
    // machine, is for the benchmark to measure; a busy one only makes the
    // last step shorter.
    runtime::PreciseClock clock;
    auto *timer = clock.findChild<QTimer *>();
    QList<int> laterSteps;
    // Connected after the clock's own handler, so it sees the wait re-armed.
    connect(timer, &QTimer::timeout, this, [&] {
        if (timer->isActive())
            laterSteps.append(timer->interval());
    });
    QSignalSpy ticks(&clock, &runtime::GameClock::ticked);
    QElapsedTimer elapsed;
    elapsed.start();

    clock.start(1000ms);
    QVERIFY2(timer->interval() >= 898 && timer->interval() <= 900,
             qPrintable(QString::number(timer->interval())));

    QTRY_COMPARE_WITH_TIMEOUT(ticks.size(), 1, 10000);
    QVERIFY(elapsed.elapsed() >= 1000);
    for (int step : laterSteps)
        QVERIFY2(step <= 100, qPrintable(QString::number(step)));
}

void TestGameClock::pausedTimeDoesNotCount()
{
    runtime::PreciseClock clock;
    QSignalSpy ticks(&clock, &runtime::GameClock::ticked);
    QElapsedTimer elapsed;
    elapsed.start();

    // Paused at once: a busy machine could let a running clock tick
    // before any later pause.
    clock.start(200ms);
    clock.pause();
    clock.pause(); // a second pause changes nothing
    QTest::qWait(300);
    QCOMPARE(ticks.size(), 0);
    clock.resume();

    QTRY_COMPARE_WITH_TIMEOUT(ticks.size(), 1, 5000);
    // 200 ms of running time plus the 300 ms paused.
    QVERIFY2(elapsed.elapsed() >= 500, qPrintable(QString::number(elapsed.elapsed())));
}

void TestGameClock::stoppedClockStaysSilent()
{
    runtime::PreciseClock clock;
    QSignalSpy ticks(&clock, &runtime::GameClock::ticked);

    clock.resume(); // never started: nothing to resume
    clock.start(50ms);
    clock.stop();
    clock.resume();
    QTest::qWait(200);
    QCOMPARE(ticks.size(), 0);
}

QTEST_GUILESS_MAIN(TestGameClock)
#include "tst_gameclock.moc"
