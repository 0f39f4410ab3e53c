// SPDX-License-Identifier: MIT
#include "runtime/qt/qtfrontend.h"

#include <QElapsedTimer>
#include <QTest>

using namespace std::chrono_literals;

namespace {

struct FrontEnd : runtime::qt::QtFrontEnd
{
    FrontEnd() : QtFrontEnd([] {}) {}
};

} // namespace

class TestQtTimer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firesOnceNoSoonerThanItsDelay();
    void settingAgainReplacesTheOnePending();
    void cancelledTimerStaysSilent();
};

void TestQtTimer::firesOnceNoSoonerThanItsDelay()
{
    FrontEnd frontEnd;
    int fired = 0;
    QElapsedTimer elapsed;
    elapsed.start();
    const auto start = frontEnd.now();

    frontEnd.setTimer(100ms, [&] { ++fired; });

    QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 5000);
    QVERIFY2(elapsed.elapsed() >= 100, qPrintable(QString::number(elapsed.elapsed())));
    QVERIFY(frontEnd.now() - start >= 100ms);
    QTest::qWait(200);
    QCOMPARE(fired, 1);
}

void TestQtTimer::settingAgainReplacesTheOnePending()
{
    FrontEnd frontEnd;
    QStringList fired;
    frontEnd.setTimer(50ms, [&] { fired << QStringLiteral("first"); });
    frontEnd.setTimer(80ms, [&] {
        fired << QStringLiteral("second");
        // Set anew from inside: the one that runs has been let go.
        frontEnd.setTimer(10ms, [&] { fired << QStringLiteral("third"); });
    });
    QTRY_COMPARE_WITH_TIMEOUT(fired.size(), 2, 5000);
    QTest::qWait(100);
    QCOMPARE(fired, QStringList({QStringLiteral("second"), QStringLiteral("third")}));
}

void TestQtTimer::cancelledTimerStaysSilent()
{
    FrontEnd frontEnd;
    int fired = 0;
    frontEnd.setTimer(30ms, [&] { ++fired; });
    frontEnd.cancelTimer();
    QTest::qWait(150);
    QCOMPARE(fired, 0);
}

QTEST_GUILESS_MAIN(TestQtTimer)
#include "tst_qttimer.moc"
