// SPDX-License-Identifier: MIT
#pragma once

#include "rules/side.h"

#include <cstdint>

namespace gw {

class Random;
class Screen;
struct GameState;
struct MoveResult;

// The computer opponent's actions 1..10 by the tier tables, for either
// side: 1..5 buy a fixed amount of recruits or one kind of equipment for a
// fixed sum, the first tier the gold reaches; 6..9 train a fixed number of
// units when the gold, the recruits and (as a threshold only, it stays) the
// equipment reach the tier; 10 builds the dearest building the gold reaches.
// Sets tier (0 when nothing happened), amount and gold of the result.
void tierAction(GameState &state, Side side, int action, MoveResult &result);

// The computer opponent's expansion: the cell (drawn when it is 0) becomes
// the side's when it is free land and the side holds its price, which it
// does not pay. Switches the field redraw on first, whatever happens.
void expandInto(GameState &state, Side side, int32_t cell, Random &random, Screen &screen,
                MoveResult &result);

} // namespace gw
