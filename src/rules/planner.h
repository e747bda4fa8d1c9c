// SPDX-License-Identifier: MIT
#pragma once

#include "rules/enemyturn.h"

#include <cstdint>

namespace gw {

class LineList;
struct GameState;

// How often, in thousandths, the Mittel opponent thinks (about every second
// round); in the other rounds it draws its action as Leicht does.
constexpr int32_t kMittelThinksPerMille = 500;

// The move the thinking opponent makes in this position under these rules.
// It looks at the whole record and tries moves on copies of it through the
// action table; battles are forecast from the dice's odds (rules/forecast.h),
// never rolled. The same record always gives the same move.
EnemyMove planMove(const GameState &state, EnemyRules rules);

// The free cell of the field with the highest tax gain whose price the gold
// reaches, the lowest number among equals; 0 when there is none.
int32_t bestFreeCell(const LineList &field, int32_t gold);
// The same for the opponent's gold.
int32_t bestFreeCell(const GameState &state);

} // namespace gw
