// SPDX-License-Identifier: MIT
#include "fakes/text.h"
#include "runtime/numbertext.h"

#include <QTest>

#include <limits>

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signOrSpaceBeforeDigits_data();
    void signOrSpaceBeforeDigits();
};

void TestNumberText::signOrSpaceBeforeDigits_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("positive") << qint64(400) << QStringLiteral(" 400");
    QTest::newRow("zero takes the space") << qint64(0) << QStringLiteral(" 0");
    QTest::newRow("negative, no space") << qint64(-200) << QStringLiteral("-200");
    QTest::newRow("past 16 bits") << qint64(32768) << QStringLiteral(" 32768");
    QTest::newRow("largest") << std::numeric_limits<qint64>::max()
                             << QStringLiteral(" 9223372036854775807");
    QTest::newRow("smallest") << std::numeric_limits<qint64>::min()
                              << QStringLiteral("-9223372036854775808");
}

void TestNumberText::signOrSpaceBeforeDigits()
{
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(q(runtime::numberText(value)), text);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
