// SPDX-License-Identifier: MIT
#include "fakes/fakeformview.h"
#include "fakes/scriptedstream.h"
#include "rules/targetchoice.h"
#include "runtime/randomstream.h"

#include <QTest>

#include <cmath>

using rules::choose;

static const float largestBelowOne = std::nextafter(1.0f, 0.0f);

class TestTargetChoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstDrawIsTakenWhenNoMarkShows_data();
    void firstDrawIsTakenWhenNoMarkShows();
    void everyPositionCanComeFirst();
    void neverRepeatsAndSplitsEvenly();
    void rejectedDrawsUseUpNumbers();
};

void TestTargetChoice::firstDrawIsTakenWhenNoMarkShows_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("target");
    QTest::newRow("zero") << 0.0f << 0;
    QTest::newRow("just below a third") << 0.333f << 0;
    QTest::newRow("a third") << 0.34f << 1;
    QTest::newRow("two thirds") << 0.67f << 2;
    QTest::newRow("largest float below 1") << largestBelowOne << 2;
}

void TestTargetChoice::firstDrawIsTakenWhenNoMarkShows()
{
    QFETCH(float, draw);
    QFETCH(int, target);
    FakeFormView form;
    ScriptedStream stream({draw});

    choose(form, stream);

    QCOMPARE(form.target(), target);
    QCOMPARE(form.visibleCount(), 1);
    QCOMPARE(stream.drawn(), 1);
}

void TestTargetChoice::everyPositionCanComeFirst()
{
    runtime::SeededStream stream(42);
    int firsts[3] = {};
    constexpr int loads = 3000;
    for (int i = 0; i < loads; ++i) {
        FakeFormView form;
        choose(form, stream);
        QCOMPARE(form.visibleCount(), 1);
        ++firsts[form.target()];
    }
    // About 1000 each; a fair stream stays well within 150 of it.
    for (int count : firsts)
        QVERIFY2(std::abs(count - loads / 3) < 150, qPrintable(QString::number(count)));
}

void TestTargetChoice::neverRepeatsAndSplitsEvenly()
{
    runtime::SeededStream stream(20261208);
    FakeFormView form;
    choose(form, stream);
    // moves[from][to]
    int moves[3][3] = {};
    constexpr int calls = 30000;
    for (int i = 0; i < calls; ++i) {
        const int from = form.target();
        choose(form, stream);
        QCOMPARE(form.visibleCount(), 1);
        ++moves[from][form.target()];
    }
    for (int from = 0; from < 3; ++from) {
        QCOMPARE(moves[from][from], 0);
        const int a = moves[from][(from + 1) % 3];
        const int b = moves[from][(from + 2) % 3];
        // About 5000 from each position, half to either side: 6 standard
        // deviations of a fair split is about 4%.
        QVERIFY2(std::abs(a - b) < (a + b) * 8 / 100,
                 qPrintable(QStringLiteral("%1: %2 vs %3").arg(from).arg(a).arg(b)));
    }
}

void TestTargetChoice::rejectedDrawsUseUpNumbers()
{
    FakeFormView form;
    form.showOnly(2);
    // Two draws on the showing mark (one the largest float below 1) are
    // thrown away; the third lands on Middle.
    ScriptedStream stream({0.9f, largestBelowOne, 0.5f, 0.1f});

    choose(form, stream);

    QCOMPARE(form.target(), 1);
    QCOMPARE(form.visibleCount(), 1);
    QCOMPARE(stream.drawn(), 3);
}

QTEST_GUILESS_MAIN(TestTargetChoice)
#include "tst_targetchoice.moc"
