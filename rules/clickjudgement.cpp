// SPDX-License-Identifier: MIT
#include "rules/clickjudgement.h"

#include "rules/formview.h"
#include "rules/gamestate.h"
#include "rules/targetchoice.h"
#include "runtime/numbertext.h"
#include "runtime/overflow.h"

#include <array>

namespace rules {

std::u16string tallyText(std::int64_t hits, std::int16_t clicks)
{
    return runtime::numberText(hits) + u" correct of" + runtime::numberText(clicks);
}

void Command1_Click(GameState &state, FormView &form, runtime::RandomStream &random,
                    std::int16_t Index)
{
    // Only the three position buttons call in; any other index is no press.
    if (Index < 0 || Index > 2)
        return;

    if (form.markVisible(Index)) {
        static const std::array<std::u16string, 3> hitWords = {u"Left!", u"Middle!", u"Right!"};
        ++state.hits;
        runtime::increment16(state.clicks);
        form.setFeedback(hitWords[Index]);
    } else {
        form.setFeedback(u"Oops!");
        runtime::increment16(state.clicks);
    }
    form.setTally(tallyText(state.hits, state.clicks));
    choose(form, random);
}

} // namespace rules
