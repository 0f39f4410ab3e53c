// SPDX-License-Identifier: MIT
#pragma once

namespace runtime {
class RandomStream;
}

namespace rules {

class FormView;

// Moves the "HIT!" mark to a random position other than the one showing now
// (any of the three when none shows). Afterwards exactly one mark is visible.
// A draw that lands on the showing mark is thrown away and uses up a number.
void choose(FormView &form, runtime::RandomStream &random);

} // namespace rules
