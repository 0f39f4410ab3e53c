// SPDX-License-Identifier: MIT
#pragma once

#include <QDeadlineTimer>
#include <QObject>

#include <chrono>

class QTimer;

namespace runtime {

// A one-shot clock for a game: after it has run for the interval it ticks
// once. Time spent paused does not count.
class GameClock : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts afresh, whatever the clock was doing.
    virtual void start(std::chrono::milliseconds interval) = 0;
    // Both do nothing unless the clock is running (pause) or paused (resume).
    virtual void pause() = 0;
    virtual void resume() = 0;
    // The clock will not tick again until it is started anew.
    virtual void stop() = 0;

Q_SIGNALS:
    void ticked();
};

// The clock of a real run, on time to the millisecond. A precise timer: Qt
// would turn a coarse one of 20 s or more into a whole-second one. And a long
// wait is taken in two steps: Linux lets a poll() wake up late by a
// thousandth of its timeout, which is 60 ms on a whole game.
class PreciseClock final : public GameClock
{
    Q_OBJECT

public:
    explicit PreciseClock(QObject *parent = nullptr);

    void start(std::chrono::milliseconds interval) override;
    void pause() override;
    void resume() override;
    void stop() override;

private:
    void run();
    void arm();

    enum class State { Stopped, Running, Paused };
    QTimer *m_timer;
    QDeadlineTimer m_deadline;
    std::chrono::milliseconds m_remaining{0};
    State m_state = State::Stopped;
};

} // namespace runtime
