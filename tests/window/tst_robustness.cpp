// SPDX-License-Identifier: MIT
#include "fakes/qtgame.h"
#include "fakes/text.h"

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_WIN
#include <QtCore/qt_windows.h>

#include <psapi.h>
#endif

namespace {

// AddressSanitizer holds freed memory back in quarantine, so resident memory
// says nothing of leaks there; LeakSanitizer watches them instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool residentMemoryIsMeaningful = false;
#else
constexpr bool residentMemoryIsMeaningful = true;
#endif

// The process's resident memory: its working set on Windows.
qint64 residentKiB()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return 0;
    return qint64(counters.WorkingSetSize / 1024);
#else
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * 4;
#endif
}

// Resident memory has grown by less than 2 MiB since `before`.
void verifyFlat(qint64 before)
{
    if (!residentMemoryIsMeaningful)
        return;
    const qint64 growth = residentKiB() - before;
    QVERIFY2(growth < 2048, qPrintable(QStringLiteral("grew by %1 KiB").arg(growth)));
}

void deleteUnloadedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Game : QtGame
{
    Game() : QtGame(9) {}
    QStringList &log() { return frontEnd.dialogs.log; }

    // A click on the button under the mark, or on the next one along. Every
    // so often the events the clicks posted are handled, as the event loop
    // would between bursts of input; left to pile up, each new one is
    // compared against all the others.
    void click(bool hit)
    {
        button((target() + (hit ? 0 : 1)) % 3)->click();
        if (++clicksSinceEvents == 64) {
            clicksSinceEvents = 0;
            QCoreApplication::processEvents();
        }
    }
    int clicksSinceEvents = 0;

    // Clicks count times, a hit where hitAt says so; returns the hits.
    qint64 clickMany(int count, const std::function<bool(int)> &hitAt)
    {
        qint64 hits = 0;
        for (int i = 0; i < count; ++i) {
            const bool hit = hitAt(i);
            hits += hit;
            click(hit);
        }
        return hits;
    }
    void reset()
    {
        mnuReset()->trigger();
        deleteUnloadedWindows();
    }
};

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void overflowThroughTheButtonsIsReportedAndResetCleans();
    void autoclickerIsCountedClickForClick();
    void thousandResetsLeaveOneWindowAndFlatMemory();
    void hostileNamesAreShownExactlyAsTyped_data();
    void hostileNamesAreShownExactlyAsTyped();
    void closingTheWindowDuringTheScoreMessageEnds();
    void endWorksFromEveryPlayingState();
};

void TestRobustness::overflowThroughTheButtonsIsReportedAndResetCleans()
{
    Game game;
    game.show();
    const qint64 hits = game.clickMany(32767, [](int i) { return i % 3 == 0; });
    QCOMPARE(game.log().size(), 1);
    const QString tally = game.tally()->text();
    QCOMPARE(tally, QStringLiteral(" %1 correct of 32767").arg(hits));

    game.click(true);

    QCOMPARE(game.log().last(), QStringLiteral("error Zapgrid: Overflow"));
    QCOMPARE(game.state().clicks, qint16(32767));
    QCOMPARE(game.state().hits, hits + 1);
    QCOMPARE(game.tally()->text(), tally);
    QVERIFY(game.window()->isVisible());

    game.reset();
    QCOMPARE(game.state().clicks, qint16(0));
    QCOMPARE(game.state().hits, 0);
    game.click(true);
    QCOMPARE(game.tally()->text(), QStringLiteral(" 1 correct of 1"));
}

void TestRobustness::autoclickerIsCountedClickForClick()
{
    Game game;
    game.show();
    qint64 hits = game.clickMany(32000, [](int i) { return (i * 7) % 5 < 3; });
    QCOMPARE(game.state().clicks, qint16(32000));
    QCOMPARE(game.state().hits, hits);
    QCOMPARE(game.tally()->text(), QStringLiteral(" %1 correct of 32000").arg(hits));

    // 100,000 more over four games, with a reset between them.
    qint64 before = 0;
    for (int round = 0; round < 4; ++round) {
        game.reset();
        if (round == 1)
            before = residentKiB();
        hits = game.clickMany(25000, [](int i) { return i % 2 == 0; });
        QCOMPARE(game.state().clicks, qint16(25000));
        QCOMPARE(game.tally()->text(), QStringLiteral(" %1 correct of 25000").arg(hits));
    }
    QCOMPARE(game.log().count(QStringLiteral("error Zapgrid: Overflow")), 0);
    verifyFlat(before);
}

void TestRobustness::thousandResetsLeaveOneWindowAndFlatMemory()
{
    Game game;
    game.show();
    qint64 before = 0;
    for (int i = 0; i < 1000; ++i) {
        if (i == 100)
            before = residentKiB();
        game.reset();
    }
    QCOMPARE(qApp->topLevelWidgets().size(), 1);
    QCOMPARE(game.log().size(), 1001);
    verifyFlat(before);
}

void TestRobustness::hostileNamesAreShownExactlyAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("markup") << QStringLiteral("<b>bold</b><img src=\"x.png\">");
    QTest::newRow("entities") << QStringLiteral("&amp;&lt;&#65;&nbsp;");
    QTest::newRow("access keys") << QStringLiteral("&Reset! &&End &");
    QTest::newRow("100,000 characters") << QString(100000, QLatin1Char('W'));
    QTest::newRow("control characters") << QStringLiteral("a\x01\x1b[31mb\x7f");
    QTest::newRow("right to left") << QString::fromUtf8("\u202e\u05e9\u05dc\u05d5\u05dd abc");
    QTest::newRow("emoji") << QString::fromUtf8("\U0001F600\U0001F44D\U0001F3FD");
    const QChar unpaired[] = {QChar(0xD800), QLatin1Char('x'), QChar(0xDC00)};
    QTest::newRow("unpaired surrogates") << QString(unpaired, 3);
}

// The name goes in through the real prompt's field and comes out in the real
// score message.
void TestRobustness::hostileNamesAreShownExactlyAsTyped()
{
    QFETCH(QString, name);
    Game game;
    game.frontEnd.realDialogs = true;
    game.show();
    auto *prompt = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
    QVERIFY(prompt);
    prompt->findChild<QLineEdit *>()->setText(name);
    prompt->accept();
    QCOMPARE(q(game.state().playerName), name);

    game.elapse();
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    QVERIFY(box);
    const QString shown = box->text();
    const Qt::TextFormat format = box->textFormat();
    box->accept();
    // The reload's prompt follows; leave it as it comes.
    prompt = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
    QVERIFY(prompt);
    prompt->close();

    QCOMPARE(shown, name + QStringLiteral(", you got a score of-6000"));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(q(game.state().playerName), QString());
}

void TestRobustness::closingTheWindowDuringTheScoreMessageEnds()
{
    Game game;
    game.show();
    game.frontEnd.dialogs.whileOpen = [&] {
        if (game.window() && game.log().size() == 2)
            game.window()->close();
    };
    game.elapse();
    deleteUnloadedWindows();
    QCOMPARE(game.frontEnd.ended, 1);
    QCOMPARE(
        game.log().count(QStringLiteral("message Your Score!: No-Name, you got a score of-6000")),
        1);
}

void TestRobustness::endWorksFromEveryPlayingState()
{
    const QList<std::function<void(Game &)>> states = {
        [](Game &) {},
        [](Game &game) {
            for (int i = 0; i < 10; ++i)
                game.click(i % 2);
        },
        [](Game &game) {
            for (int i = 0; i < 32768; ++i)
                game.click(true);
        },
        [](Game &game) { game.reset(); },
    };
    for (const auto &reach : states) {
        Game game;
        game.show();
        reach(game);
        const qsizetype shown = game.log().size();
        game.mnuEnd()->trigger();
        QCOMPARE(game.frontEnd.ended, 1);
        QCOMPARE(game.log().size(), shown);
    }
}

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
