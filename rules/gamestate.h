// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace rules {

// What the form keeps of a game. It lives as long as the form and outlives
// every window: only a reload zeroes the counters and only the name prompt
// writes the name.
struct GameState
{
    // Correct clicks this game. Wide on purpose: it keeps growing on hits
    // even once clicks can grow no further.
    std::int64_t hits = 0;
    // All clicks on position buttons this game; 32767 at most.
    std::int16_t clicks = 0;
    // As typed, code unit for code unit.
    std::u16string playerName;
};

} // namespace rules
