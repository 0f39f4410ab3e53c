// SPDX-License-Identifier: MIT
#include "runtime/overflow.h"

#include <QTest>

class TestOverflow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void countsUpToTheLargestValue();
    void throwsAtTheLargestValueAndKeepsIt();
};

void TestOverflow::countsUpToTheLargestValue()
{
    qint16 counter = -1;
    runtime::increment16(counter);
    QCOMPARE(counter, qint16(0));

    counter = 32766;
    runtime::increment16(counter);
    QCOMPARE(counter, qint16(32767));
}

void TestOverflow::throwsAtTheLargestValueAndKeepsIt()
{
    qint16 counter = 32767;
    QVERIFY_THROWS_EXCEPTION(runtime::OverflowError, runtime::increment16(counter));
    QCOMPARE(counter, qint16(32767));
    // A second try fails the same way instead of wrapping round.
    QVERIFY_THROWS_EXCEPTION(runtime::OverflowError, runtime::increment16(counter));
    QCOMPARE(counter, qint16(32767));
}

QTEST_GUILESS_MAIN(TestOverflow)
#include "tst_overflow.moc"
