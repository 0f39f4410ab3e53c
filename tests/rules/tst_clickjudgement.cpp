// SPDX-License-Identifier: MIT
#include "fakes/fakeformview.h"
#include "fakes/scriptedstream.h"
#include "fakes/text.h"
#include "rules/clickjudgement.h"
#include "rules/gamestate.h"
#include "runtime/overflow.h"
#include "runtime/randomstream.h"

#include <QTest>

using rules::Command1_Click;

// A draw that lands on each position.
static constexpr float drawFor[3] = {0.1f, 0.5f, 0.9f};

class TestClickJudgement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstClickOfAGameIsAMiss();
    void hitNamesItsButtonAndMovesTheMark_data();
    void hitNamesItsButtonAndMovesTheMark();
    void threeHitsFromTheStart();
    void sameButtonTwiceIsAHitThenAMiss();
    void tallyText_data();
    void tallyText();
    void indexOutsideTheButtonsIsNoPress();
    void overflowStopsTheHandler_data();
    void overflowStopsTheHandler();
};

void TestClickJudgement::firstClickOfAGameIsAMiss()
{
    rules::GameState state;
    FakeFormView form;
    form.showOnly(0);
    ScriptedStream stream({drawFor[2]});

    Command1_Click(state, form, stream, 1);

    QCOMPARE(q(form.feedback), QStringLiteral("Oops!"));
    QCOMPARE(q(form.tally), QStringLiteral(" 0 correct of 1"));
    QCOMPARE(state.hits, 0);
    QCOMPARE(state.clicks, qint16(1));
    // A miss moves the mark too.
    QCOMPARE(form.target(), 2);
    QCOMPARE(stream.drawn(), 1);
}

void TestClickJudgement::hitNamesItsButtonAndMovesTheMark_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("word");
    QTest::newRow("Left") << 0 << QStringLiteral("Left!");
    QTest::newRow("Middle") << 1 << QStringLiteral("Middle!");
    QTest::newRow("Right") << 2 << QStringLiteral("Right!");
}

void TestClickJudgement::hitNamesItsButtonAndMovesTheMark()
{
    QFETCH(int, index);
    QFETCH(QString, word);
    rules::GameState state;
    FakeFormView form;
    form.showOnly(index);
    const int next = (index + 1) % 3;
    ScriptedStream stream({drawFor[next]});

    Command1_Click(state, form, stream, qint16(index));

    QCOMPARE(q(form.feedback), word);
    QCOMPARE(q(form.tally), QStringLiteral(" 1 correct of 1"));
    QCOMPARE(form.target(), next);
    QCOMPARE(form.visibleCount(), 1);
}

void TestClickJudgement::threeHitsFromTheStart()
{
    rules::GameState state;
    FakeFormView form;
    form.showOnly(1);
    runtime::SeededStream stream(3);

    for (int i = 0; i < 3; ++i)
        Command1_Click(state, form, stream, qint16(form.target()));

    QCOMPARE(q(form.tally), QStringLiteral(" 3 correct of 3"));
    QCOMPARE(state.hits, 3);
    QCOMPARE(state.clicks, qint16(3));
}

void TestClickJudgement::sameButtonTwiceIsAHitThenAMiss()
{
    rules::GameState state;
    FakeFormView form;
    form.showOnly(2);
    runtime::SeededStream stream(11);

    Command1_Click(state, form, stream, 2);
    QCOMPARE(q(form.feedback), QStringLiteral("Right!"));
    Command1_Click(state, form, stream, 2);
    QCOMPARE(q(form.feedback), QStringLiteral("Oops!"));
    QCOMPARE(q(form.tally), QStringLiteral(" 1 correct of 2"));
}

void TestClickJudgement::tallyText_data()
{
    QTest::addColumn<qint64>("hits");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("text");
    // One space from number text before each count, none added around them.
    QTest::newRow("3 of 5") << qint64(3) << 5 << QStringLiteral(" 3 correct of 5");
    QTest::newRow("nothing yet") << qint64(0) << 0 << QStringLiteral(" 0 correct of 0");
    QTest::newRow("hits past the clicks")
        << qint64(40000) << 32767 << QStringLiteral(" 40000 correct of 32767");
}

void TestClickJudgement::tallyText()
{
    QFETCH(qint64, hits);
    QFETCH(int, clicks);
    QFETCH(QString, text);
    const QString tally = q(rules::tallyText(hits, qint16(clicks)));
    QCOMPARE(tally, text);
    // The template's capitalised caption belongs to a fresh window only.
    QVERIFY(tally != QStringLiteral("0 Correct of 0"));
}

void TestClickJudgement::indexOutsideTheButtonsIsNoPress()
{
    rules::GameState state;
    FakeFormView form;
    form.showOnly(0);
    ScriptedStream stream({});

    Command1_Click(state, form, stream, 3);
    Command1_Click(state, form, stream, -1);

    QCOMPARE(state.clicks, qint16(0));
    QCOMPARE(q(form.feedback), QStringLiteral("Oops!"));
    QCOMPARE(q(form.tally), QStringLiteral("0 Correct of 0"));
    QCOMPARE(form.target(), 0);
}

void TestClickJudgement::overflowStopsTheHandler_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<qint64>("hitsAfter");
    QTest::addColumn<QString>("feedbackAfter");
    // The mark shows at Left; the last feedback was a hit on Middle.
    QTest::newRow("hit") << 0 << qint64(20001) << QStringLiteral("Middle!");
    QTest::newRow("miss") << 2 << qint64(20000) << QStringLiteral("Oops!");
}

void TestClickJudgement::overflowStopsTheHandler()
{
    QFETCH(int, index);
    QFETCH(qint64, hitsAfter);
    QFETCH(QString, feedbackAfter);
    rules::GameState state{20000, 32767, u"No-Name"};
    FakeFormView form;
    form.showOnly(0);
    form.feedback = u"Middle!";
    form.tally = u" 20000 correct of 32767";
    ScriptedStream stream({});

    QVERIFY_THROWS_EXCEPTION(runtime::OverflowError,
                             Command1_Click(state, form, stream, qint16(index)));

    QCOMPARE(state.clicks, qint16(32767));
    QCOMPARE(state.hits, hitsAfter);
    QCOMPARE(q(form.feedback), feedbackAfter);
    QCOMPARE(q(form.tally), QStringLiteral(" 20000 correct of 32767"));
    QCOMPARE(form.target(), 0);
    QCOMPARE(stream.drawn(), 0);
}

QTEST_GUILESS_MAIN(TestClickJudgement)
#include "tst_clickjudgement.moc"
