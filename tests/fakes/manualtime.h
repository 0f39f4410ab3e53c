// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/frontend.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <utility>

// A monotonic clock and the one timer, whose time the test hands out.
class ManualTime
{
public:
    std::chrono::nanoseconds now{0};

    void set(std::chrono::milliseconds delay, std::function<void()> due)
    {
        m_dueAt = now + delay;
        m_due = std::move(due);
    }
    void cancel() { m_due = nullptr; }
    bool pending() const { return bool(m_due); }
    // How long until the timer is due.
    std::chrono::nanoseconds dueIn() const { return m_dueAt - now; }

    // Lets the time pass, the timer going off on time as often as it is set
    // within it.
    void advance(std::chrono::milliseconds by)
    {
        const std::chrono::nanoseconds until = now + by;
        while (m_due && m_dueAt <= until) {
            now = std::max(now, m_dueAt);
            std::exchange(m_due, nullptr)();
        }
        now = std::max(now, until);
    }

    // The timer going off before its time, as a timer may.
    void fireEarly()
    {
        if (m_due)
            std::exchange(m_due, nullptr)();
    }

private:
    std::chrono::nanoseconds m_dueAt{0};
    std::function<void()> m_due;
};

// A front end whose clock and timer run on time the test hands out.
template <typename FrontEndBase> class ManualTimeOn : public FrontEndBase
{
public:
    using FrontEndBase::FrontEndBase;

    ManualTime time;

    std::chrono::nanoseconds now() const override { return time.now; }
    void setTimer(std::chrono::milliseconds delay, std::function<void()> due) override
    {
        time.set(delay, std::move(due));
    }
    void cancelTimer() override { time.cancel(); }
};
