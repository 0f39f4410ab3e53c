// SPDX-License-Identifier: MIT
#include "fakes/text.h"
#include "rules/gamestate.h"
#include "rules/score.h"

#include <QTest>

class TestScore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scoreAndMessage_data();
    void scoreAndMessage();
};

void TestScore::scoreAndMessage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("hits");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<qint64>("score");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *tag, const char *name, qint64 hits, int clicks, qint64 score,
                        const char *message) {
        QTest::newRow(tag) << QString::fromLatin1(name) << hits << clicks << score
                           << QString::fromLatin1(message);
    };

    row("400", "No-Name", 70, 74, 400, "No-Name, you got a score of 400");
    row("-200, no space after 'of'", "No-Name", 58, 58, -200, "No-Name, you got a score of-200");
    row("0 keeps its space", "No-Name", 60, 60, 0, "No-Name, you got a score of 0");
    row("no clicks", "No-Name", 0, 0, -6000, "No-Name, you got a score of-6000");
    row("hits grown past the clicks", "No-Name", 40000, 32767, 5078950,
        "No-Name, you got a score of 5078950");

    row("special: 100 a miss", "K.T.W.B.", 3, 5, 200, "K.T.W.B., you got a score of 200");
    row("special: no clicks", "K.T.W.B.", 0, 0, 0, "K.T.W.B., you got a score of 0");

    // Only the exact name counts: 3 hits in 5 clicks score as anyone's.
    row("lower case", "k.t.w.b.", 3, 5, -6000, "k.t.w.b., you got a score of-6000");
    row("leading blank", " K.T.W.B.", 3, 5, -6000, " K.T.W.B., you got a score of-6000");
    row("trailing blank", "K.T.W.B. ", 3, 5, -6000, "K.T.W.B. , you got a score of-6000");
    row("without the last dot", "K.T.W.B", 3, 5, -6000, "K.T.W.B, you got a score of-6000");

    row("empty name", "", 60, 60, 0, ", you got a score of 0");
}

void TestScore::scoreAndMessage()
{
    QFETCH(QString, name);
    QFETCH(qint64, hits);
    QFETCH(int, clicks);
    QFETCH(qint64, score);
    QFETCH(QString, message);
    const rules::GameState state{hits, qint16(clicks), name.toStdU16String()};

    QCOMPARE(rules::gameScore(state), score);
    QCOMPARE(q(rules::scoreMessage(state)), message);
}

QTEST_GUILESS_MAIN(TestScore)
#include "tst_score.moc"
