// SPDX-License-Identifier: MIT
#pragma once

#include "rules/battle.h"
#include "rules/move.h"

#include <cstdint>
#include <optional>
#include <string>

namespace gw {

class Random;
class Screen;
struct GameState;

// How the opponent's purchases and trainings (actions 1..9) are measured.
enum class EnemyRules {
    // The tier tables: a fixed amount for a fixed sum, the first tier the
    // gold (and for training the equipment and recruits) reaches; training
    // keeps the equipment.
    Tiers,
    // The player's shop and training panel: any count from 0 to 999 of one
    // kind at the shop's prices or the training fees; training uses up one
    // recruit and one piece of the matching equipment per unit.
    Shop,
};

// Counts a shop order of the opponent may name: as the player's entries.
constexpr int32_t kEnemyMaxCount = 999;

// One of the opponent's twelve actions, and what the rules let it decide
// beyond that: the short form the tiers' opponents think in.
struct EnemyMove {
    int action = 0;      // 1..12
    int32_t amount = 0;  // Shop rules, actions 1..9: the count to buy or train (0..999)
    int32_t cell = 0;    // action 12: the cell to take (1..220); 0 draws it
};

// The move an action stands for under these rules: by the tiers actions
// 1..10 are tier moves; by the shop 1..5 buy and 6..9 train `amount` (its
// nearest end when outside 0..999) of one kind, 10 builds by the tiers;
// 11 attacks, 12 expands.
Move toMove(const EnemyMove &move, EnemyRules rules);

// What the opponent did in one round end.
struct EnemyTurnResult {
    int action = 0;      // 1..12 as drawn or chosen, 0 when the opponent could not act
    int tier = 0;        // actions 1..10: 1..3 the tier that applied (Shop rules: 1 when the
                         // purchase or training happened), 0 when the action did nothing
    int32_t amount = 0;  // units bought/trained or buildings built (1), 0 when nothing
    int32_t gold = 0;    // gold the action spent
    int32_t target = 0;  // action 12: the cell drawn or chosen
    bool cellTaken = false;          // action 12: the cell became the opponent's
    std::string newState;            // action 12: the target cell's state afterwards (unchanged when not taken)
    std::optional<BattleResult> battle; // action 11
    Move move;                       // the move as the opponent made it
};

// The halves of a round. After the side on turn first (Red) has moved: the
// round counts, Red's income arrives, and the field takes no clicks.
void openSecondHalf(GameState &state, Screen &screen);
// After the second side (Blue) has moved: Blue's income arrives, the field
// takes clicks again, and counters below zero are set back to 0.
void closeRound(GameState &state, Screen &screen);

// What a move of Blue did, as the last-move line and the saved game tell it.
EnemyTurnResult turnResult(const Move &move, const MoveResult &result);

// The round end against the computer: counts the round, pays the player,
// lets the opponent of the record's level (enemylevel, see rules/opponent.h)
// take one move, pays the opponent and clamps negative counters. When
// the player's attack of this turn destroyed the opponent's base
// (opponentBeaten), everything but the opponent's action still happens; the
// result then has action 0.
EnemyTurnResult enemyturn(GameState &state, Random &random, Screen &screen, bool opponentBeaten = false);

// One opponent action carried out on its own (no income, no clamps) as the
// move it stands for (toMove), by Blue. The choosing opponents try actions
// on copies of the record with it. An amount outside 0..999 counts as its
// nearest end; a shop order the gold, equipment or recruits do not cover
// does nothing.
EnemyTurnResult enemymove(GameState &state, Random &random, Screen &screen, const EnemyMove &move,
                          EnemyRules rules);

// One action by the tiers, the expansion drawing its cell: the drawing
// opponent's move. Exposed for tests.
EnemyTurnResult enemyaction(GameState &state, Random &random, Screen &screen, int action);

} // namespace gw
