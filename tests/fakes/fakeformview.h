// SPDX-License-Identifier: MIT
#pragma once

#include "rules/formview.h"

#include <array>
#include <string>

// A window reduced to the values the rules touch, starting as a fresh load
// does: no mark, "Oops!" and the template's tally.
class FakeFormView final : public rules::FormView
{
public:
    std::array<bool, 3> marks = {false, false, false};
    std::u16string feedback = u"Oops!";
    std::u16string tally = u"0 Correct of 0";

    bool markVisible(int index) const override { return marks.at(index); }
    void setMarkVisible(int index, bool visible) override { marks.at(index) = visible; }
    void setFeedback(const std::u16string &text) override { feedback = text; }
    void setTally(const std::u16string &text) override { tally = text; }

    int visibleCount() const { return int(marks[0]) + int(marks[1]) + int(marks[2]); }
    // The index of the one visible mark, or -1.
    int target() const
    {
        for (int i = 0; i < 3; ++i)
            if (marks[i])
                return i;
        return -1;
    }
    void showOnly(int index) { marks = {index == 0, index == 1, index == 2}; }
};
