// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace rules {

struct GameState;

// The score of a finished game. Every hit past 60 earns 100 and every miss
// costs 150, except for the player named exactly "K.T.W.B." (case and blanks
// count), who earns 100 for each miss instead.
std::int64_t gameScore(const GameState &state);

// "<name>, you got a score of" then the score as number text.
std::u16string scoreMessage(const GameState &state);

} // namespace rules
