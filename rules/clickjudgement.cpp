// SPDX-License-Identifier: MIT
#include "rules/clickjudgement.h"

#include "rules/formview.h"
#include "rules/gamestate.h"
#include "rules/targetchoice.h"
#include "runtime/numbertext.h"
#include "runtime/overflow.h"

#include <array>

namespace rules {

QString tallyText(qint64 hits, qint16 clicks)
{
    return runtime::numberText(hits) + QStringLiteral(" correct of") + runtime::numberText(clicks);
}

void Command1_Click(GameState &state, FormView &form, runtime::RandomStream &random, qint16 Index)
{
    // Only the three position buttons call in; any other index is no press.
    if (Index < 0 || Index > 2)
        return;

    if (form.markVisible(Index)) {
        static const std::array<QString, 3> hitWords = {
            QStringLiteral("Left!"), QStringLiteral("Middle!"), QStringLiteral("Right!")};
        ++state.hits;
        runtime::increment16(state.clicks);
        form.setFeedback(hitWords[Index]);
    } else {
        form.setFeedback(QStringLiteral("Oops!"));
        runtime::increment16(state.clicks);
    }
    form.setTally(tallyText(state.hits, state.clicks));
    choose(form, random);
}

} // namespace rules
