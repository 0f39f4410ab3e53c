// SPDX-License-Identifier: MIT
#include "runtime/gameclock.h"

#include <QTimer>

namespace runtime {

PreciseClock::PreciseClock(QObject *parent) : GameClock(parent), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (!m_deadline.hasExpired()) {
            arm();
            return;
        }
        m_state = State::Stopped;
        Q_EMIT ticked();
    });
}

void PreciseClock::start(std::chrono::milliseconds interval)
{
    m_remaining = interval;
    run();
}

void PreciseClock::pause()
{
    if (m_state != State::Running)
        return;
    m_timer->stop();
    // Rounded up: a pause never shortens the game.
    m_remaining =
        std::chrono::ceil<std::chrono::milliseconds>(m_deadline.remainingTimeAsDuration());
    m_state = State::Paused;
}

void PreciseClock::resume()
{
    if (m_state == State::Paused)
        run();
}

void PreciseClock::stop()
{
    m_timer->stop();
    m_state = State::Stopped;
}

void PreciseClock::run()
{
    m_deadline = QDeadlineTimer(m_remaining, Qt::PreciseTimer);
    m_state = State::Running;
    arm();
}

void PreciseClock::arm()
{
    // Waking up to 0.1% late, a wait that stops 100 ms short of the deadline
    // still wakes before it; the last short wait is late by 0.1 ms at most.
    using namespace std::chrono;
    constexpr milliseconds lastStep{100};
    const milliseconds left = ceil<milliseconds>(m_deadline.remainingTimeAsDuration());
    m_timer->start(left > 2 * lastStep ? left - lastStep : left);
}

} // namespace runtime
