// SPDX-License-Identifier: MIT
// Times a click, an idle game and the game clock, each against a baseline
// measured in the same run, and prints one table row for each (scripts/bench
// prints the table's head).
#include "fakes/qtgame.h"
#include "runtime/qt/qtwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <ctime>
#include <limits>
#include <vector>

namespace {

QTextStream out(stdout);

double median(std::vector<double> values)
{
    if (values.empty())
        return std::numeric_limits<double>::quiet_NaN();
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void row(const QString &what, double measured, double baseline, const QString &unit)
{
    out << qSetFieldWidth(0) << "| " << what << " | " << QString::number(measured, 'f', 2) << ' '
        << unit << " | " << QString::number(baseline, 'f', 2) << ' ' << unit << " | "
        << QString::number(measured / baseline, 'f', 2) << "x |\n";
    out.flush();
}

// The Qt front end of a real run, its time and timer included, with the
// dialogs answered at once.
struct RealTime final : ScriptedDialogsOn<runtime::qt::QtFrontEnd>
{
    RealTime() : ScriptedDialogsOn([] {}) {}
};

// A form on the front end, started as a run starts it.
struct RealTimeGame : GameFixture<RealTime>
{
    RealTimeGame() : GameFixture(1) {}
};

// Nothing happens on a window's events.
struct Ignored final : runtime::WindowEvents
{
    void pressed(int) override {}
    void menuChosen(int) override {}
    void closeRequested() override {}
};

// Microseconds for each of `count` clicks on `press`, with the whole window
// repainted after each, as the player would see it.
std::vector<double> timeClicks(QWidget *window, int count, const std::function<void(int)> &press)
{
    std::vector<double> times;
    times.reserve(count);
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        timer.start();
        press(i);
        window->repaint();
        times.push_back(timer.nsecsElapsed() / 1000.0);
        if (i % 64 == 0)
            QCoreApplication::processEvents();
    }
    return times;
}

void benchClick(int count)
{
    // The game: a click on the mark's button or beside it, in turn.
    QtGame game(1);
    game.show();
    runtime::Handlers handlers;
    // The baseline: the same window with its events going nowhere.
    Ignored ignored;
    runtime::qt::QtWindow bare(formtemplate::form1(), ignored);
    bare.show();
    auto *bareButton = static_cast<QPushButton *>(bare.control(formtemplate::Command1(0)));

    for (int round = 0; round < 2; ++round) { // the first round warms up
        const std::vector<double> clicks = timeClicks(game.window(), count, [&](int i) {
            game.button((game.target() + i % 2) % 3)->click();
            // A game holds 32767 clicks; start another before it is full.
            if (game.state().clicks == 30000)
                handlers.run(game.form.mnuReset_Click());
        });
        const std::vector<double> baseline =
            timeClicks(bare.widget(), count, [&](int) { bareButton->click(); });
        if (round == 1)
            row(QStringLiteral("click with repaint, median of %1").arg(count), median(clicks),
                median(baseline), QStringLiteral("us"));
    }
}

double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// CPU time spent while the event loop runs for `ms` with nothing to do.
double idleCpu(int ms)
{
    const double before = cpuMilliseconds();
    QTimer::singleShot(ms, qApp, &QCoreApplication::quit);
    QApplication::exec();
    return cpuMilliseconds() - before;
}

void benchIdle(int ms)
{
    QWidget empty;
    empty.show();
    const double baseline = idleCpu(ms);
    empty.hide();

    RealTimeGame game;
    game.show();
    const double cpu = idleCpu(ms);
    row(QStringLiteral("CPU in %1 s of an idle game").arg(ms / 1000), cpu, baseline,
        QStringLiteral("ms"));
}

// How far each game's end is from 60000 ms after its name was given, beside a
// bare precise QTimer started at the same moment. The bare timer runs in a
// thread of its own: in the game's event loop it would wake with the game's
// clock and be as punctual.
void benchClock(int games)
{
    QElapsedTimer clock;
    std::vector<double> gameErrors, timerErrors;
    qint64 gameStart = 0;
    const auto errorSince = [&clock](qint64 start) {
        return std::abs(clock.nsecsElapsed() / 1e6 - start / 1e6 - 60000);
    };
    QThread thread;
    QObject bareTimers; // lives in the thread; each game starts one there
    bareTimers.moveToThread(&thread);
    thread.start();

    RealTimeGame game;
    ScriptedDialogs &dialogs = game.frontEnd.dialogs;
    dialogs.whileOpen = [&] {
        // A game's time starts as its prompt is answered, which is now.
        if (dialogs.log.last().startsWith(QStringLiteral("prompt"))) {
            gameStart = clock.nsecsElapsed();
            const qint64 start = gameStart;
            QMetaObject::invokeMethod(&bareTimers, [&, start] {
                QTimer::singleShot(60000, Qt::PreciseTimer, &bareTimers,
                                   [&, start] { timerErrors.push_back(errorSince(start)); });
            });
        } else {
            gameErrors.push_back(errorSince(gameStart));
            // Time enough for the last bare timer, which ends late.
            if (int(gameErrors.size()) == games)
                QTimer::singleShot(1000, qApp, &QCoreApplication::quit);
        }
    };
    clock.start();
    game.show();
    QApplication::exec();
    thread.quit();
    thread.wait();
    timerErrors.resize(std::min<size_t>(timerErrors.size(), games));
    row(QStringLiteral("game end off 60000 ms, median of %1").arg(games), median(gameErrors),
        median(timerErrors), QStringLiteral("ms"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const int games = args.size() > 1 ? args.at(1).toInt() : 3;
    benchClick(10000);
    benchIdle(10000);
    if (games > 0)
        benchClock(games);
    return 0;
}
