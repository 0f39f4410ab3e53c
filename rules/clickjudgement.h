// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace runtime {
class RandomStream;
}

namespace rules {

class FormView;
struct GameState;

// The tally as a click writes it: " 3 correct of 5".
std::u16string tallyText(std::int64_t hits, std::int16_t clicks);

// Judges a press of position button Index (0 Left, 1 Middle, 2 Right): a hit
// when the mark above it shows. Counts it, answers with the feedback word and
// the tally, then moves the mark.
//
// With clicks already at 32767 the count throws runtime::OverflowError and the
// handler stops there: a hit has still been counted in hits, a miss has still
// set "Oops!", and the tally and the mark stay as they were.
void Command1_Click(GameState &state, FormView &form, runtime::RandomStream &random,
                    std::int16_t Index);

} // namespace rules
