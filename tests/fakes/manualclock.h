// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/gameclock.h"

// A game clock whose time the test hands out: elapse() is the interval
// running out, and ticks only if the clock is running.
class ManualClock final : public runtime::GameClock
{
public:
    using GameClock::GameClock;

    std::chrono::milliseconds interval{0};
    bool running = false;
    bool paused = false;

    void start(std::chrono::milliseconds newInterval) override
    {
        interval = newInterval;
        running = true;
        paused = false;
    }
    void pause() override
    {
        if (running) {
            running = false;
            paused = true;
        }
    }
    void resume() override
    {
        if (paused) {
            paused = false;
            running = true;
        }
    }
    void stop() override { running = paused = false; }

    void elapse()
    {
        if (!running)
            return;
        running = false;
        Q_EMIT ticked();
    }
};
