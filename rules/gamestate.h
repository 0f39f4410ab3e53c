// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace rules {

// What the form keeps of a game. It lives as long as the form and outlives
// every window: only a reload zeroes the counters and only the name prompt
// writes the name.
struct GameState
{
    // Correct clicks this game. Wide on purpose: it keeps growing on hits
    // even once clicks can grow no further.
    qint64 hits = 0;
    // All clicks on position buttons this game; 32767 at most.
    qint16 clicks = 0;
    QString playerName;
};

} // namespace rules
