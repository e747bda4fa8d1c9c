// SPDX-License-Identifier: MIT
#pragma once
// The parts of the looking-ahead opponent's search that judge a position:
// the sides' forces and defence on a copy of the record, what a side's gold
// buys, and the worth of a position for Blue with the player to move.

#include "rules/actions.h"
#include "rules/forecast.h"
#include "rules/lookahead.h"
#include "rules/side.h"

#include <array>
#include <cstdint>

namespace gw {

struct GameState;

namespace ahead {

Forces forcesOf(const GameState &s, Side side);
Defenders defendersOf(const GameState &s, Side side);
// Whether the side has any force to attack with.
bool armed(const GameState &s, Side side);
inline int32_t positive(int32_t v) { return v > 0 ? v : 0; }
// The recruits the side's gold buys in one order.
int32_t recruitsFor(int32_t gold);

// A training of every kind from the equipment in store, as many as the
// gold and the recruits allow (keeping `keep` recruits), or only one of
// each kind still missing.
TrainingOrder training(const GameState &s, Side side, bool missingOnly, int32_t keep);

// What a position is worth to Blue, in gold, with the player to move;
// `fallen` holds, by side, the chance that a forecast attack on the way to
// it destroyed the side's base.
double positionValue(const GameState &s, const std::array<double, 2> &fallen, const LookaheadWeights &w);

} // namespace ahead
} // namespace gw
