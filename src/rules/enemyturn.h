// SPDX-License-Identifier: MIT
#pragma once

#include "rules/battle.h"

#include <cstdint>
#include <optional>
#include <string>

namespace gw {

class Random;
class Screen;
struct GameState;

// What the opponent did in one round end.
struct EnemyTurnResult {
    int action = 0;      // 1..12 as drawn, 0 when the opponent could not act
    int tier = 0;        // 1..3 for actions 1..10 when a tier applied, 0 when none did
    int32_t amount = 0;  // units bought/trained or buildings built (1), 0 when nothing
    int32_t gold = 0;    // gold the action spent
    int32_t target = 0;  // action 12: the cell drawn
    bool cellTaken = false;          // action 12: the cell became the opponent's
    std::string newState;            // action 12: the target cell's state afterwards (unchanged when not taken)
    std::optional<BattleResult> battle; // action 11
};

// The round end: counts the round, pays the player, lets the opponent take
// one random action, pays the opponent and clamps negative counters. When
// the player's attack of this turn destroyed the opponent's base
// (opponentBeaten), everything but the opponent's action still happens; the
// result then has action 0.
EnemyTurnResult enemyturn(GameState &state, Random &random, Screen &screen, bool opponentBeaten = false);

// One opponent action carried out on its own (no income, no clamps); the
// round end calls it with the drawn action. Exposed for tests.
EnemyTurnResult enemyaction(GameState &state, Random &random, Screen &screen, int action);

} // namespace gw
