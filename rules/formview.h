// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace rules {

// The values of the loaded window that the rules read and set. A position
// index is 0 (Left), 1 (Middle) or 2 (Right) and picks both the button and
// the "HIT!" mark above it. The current target is whichever mark is visible.
class FormView
{
public:
    virtual ~FormView() = default;

    virtual bool markVisible(int index) const = 0;
    virtual void setMarkVisible(int index, bool visible) = 0;
    // The one-word answer to the last click.
    virtual void setFeedback(const std::u16string &text) = 0;
    // The running count of correct clicks out of all clicks.
    virtual void setTally(const std::u16string &text) = 0;
};

} // namespace rules
