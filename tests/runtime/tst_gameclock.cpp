// SPDX-License-Identifier: MIT
#include "runtime/gameclock.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

class TestGameClock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ticksOnceAfterItsInterval();
    void longWaitEndsOnTime();
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

void TestGameClock::longWaitEndsOnTime()
{
    // Linux wakes a poll() of 6 s up to 6 ms late; the clock must not be.
    runtime::PreciseClock clock;
    QElapsedTimer elapsed;
    qint64 tickedAt = 0;
    // A plain event loop: QTest's waits sleep between their rounds.
    QEventLoop loop;
    connect(&clock, &runtime::GameClock::ticked, &loop, [&] {
        tickedAt = elapsed.nsecsElapsed();
        loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    elapsed.start();
    clock.start(6000ms);
    loop.exec();
    QVERIFY(tickedAt > 0);
    const double lateMs = tickedAt / 1e6 - 6000;
    QVERIFY2(lateMs >= 0 && lateMs < 4, qPrintable(QString::number(lateMs)));
}

void TestGameClock::pausedTimeDoesNotCount()
{
    runtime::PreciseClock clock;
    QSignalSpy ticks(&clock, &runtime::GameClock::ticked);
    QElapsedTimer elapsed;
    elapsed.start();

    clock.start(200ms);
    QTest::qWait(50);
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
