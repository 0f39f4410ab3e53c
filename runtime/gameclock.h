// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>

namespace runtime {

class Dialogs;
class FrontEnd;

// A one-shot clock for a game, on the front end's timer: once it has run for
// its interval it ticks, once. It stands still while any of the program's
// dialogs is open, so that time does not count.
class GameClock final
{
public:
    // ticked may destroy the clock.
    GameClock(FrontEnd &frontEnd, Dialogs &dialogs, std::function<void()> ticked);
    ~GameClock();
    GameClock(const GameClock &) = delete;
    GameClock &operator=(const GameClock &) = delete;

    // Starts afresh, whatever the clock was doing.
    void start(std::chrono::milliseconds interval);
    // The clock will not tick again until it is started anew.
    void stop();

    enum class State { Stopped, Running, Paused };
    State state() const { return m_state; }

private:
    friend class Dialogs;
    // Each does nothing unless the clock is running (pause) or paused (resume).
    void pause();
    void resume();

    void run();
    void arm();
    void due();

    FrontEnd &m_frontEnd;
    Dialogs &m_dialogs;
    std::function<void()> m_ticked;
    std::chrono::nanoseconds m_deadline{0};
    std::chrono::milliseconds m_remaining{0};
    State m_state = State::Stopped;
};

} // namespace runtime
