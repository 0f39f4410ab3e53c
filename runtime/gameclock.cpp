// SPDX-License-Identifier: MIT
#include "runtime/gameclock.h"

#include "runtime/dialogs.h"
#include "runtime/frontend.h"

#include <algorithm>
#include <utility>

namespace runtime {

using std::chrono::milliseconds;

GameClock::GameClock(FrontEnd &frontEnd, Dialogs &dialogs, std::function<void()> ticked)
    : m_frontEnd(frontEnd), m_dialogs(dialogs), m_ticked(std::move(ticked))
{
    m_dialogs.hold(*this);
}

GameClock::~GameClock()
{
    stop();
    m_dialogs.release(*this);
}

void GameClock::start(milliseconds interval)
{
    stop();
    m_remaining = interval;
    if (m_dialogs.anyOpen())
        m_state = State::Paused;
    else
        run();
}

void GameClock::stop()
{
    if (m_state == State::Running)
        m_frontEnd.cancelTimer();
    m_state = State::Stopped;
}

void GameClock::pause()
{
    if (m_state != State::Running)
        return;
    m_frontEnd.cancelTimer();
    // Rounded up: a pause never shortens the game.
    m_remaining =
        std::max(milliseconds{0}, std::chrono::ceil<milliseconds>(m_deadline - m_frontEnd.now()));
    m_state = State::Paused;
}

void GameClock::resume()
{
    if (m_state == State::Paused)
        run();
}

void GameClock::run()
{
    m_deadline = m_frontEnd.now() + m_remaining;
    m_state = State::Running;
    arm();
}

void GameClock::arm()
{
    // A timer may wake late by a share of its wait: Linux lets a poll() be
    // late by a thousandth of its timeout, which is 60 ms on a whole game. A
    // wait that stops 100 ms short of the deadline still wakes before it, and
    // the last short wait is late by 0.1 ms at most.
    constexpr milliseconds lastStep{100};
    const milliseconds left =
        std::max(milliseconds{0}, std::chrono::ceil<milliseconds>(m_deadline - m_frontEnd.now()));
    m_frontEnd.setTimer(left > 2 * lastStep ? left - lastStep : left, [this] { due(); });
}

void GameClock::due()
{
    if (m_frontEnd.now() < m_deadline) {
        arm();
        return;
    }
    m_state = State::Stopped;
    // The tick may unload the window and this clock with it: nothing of the
    // clock is touched once it has begun.
    const std::function<void()> ticked = m_ticked;
    ticked();
}

} // namespace runtime
