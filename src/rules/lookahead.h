// SPDX-License-Identifier: MIT
#pragma once

#include "rules/move.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gw {

struct GameState;

// How the looking-ahead opponent values a position, in gold. The figures
// were tuned by playing strong reference players (bench/tune.cpp).
struct LookaheadWeights {
    double incomeRounds = 28;  // rounds of income a point of tax is worth
    double hpGold = 31.5;      // gold a hit point of a base is worth ...
    double hpPerIncome = 0.105; // ... plus this much per gold of both incomes together
    double lowHp = 0.7;        // a hit point near the end is worth (1 + lowHp) times one at the start
    double threatShare = 1.0;  // share of the harm the player's attack would do now
    double strikeShare = 0.273; // share of the harm of the own attack after the player's answer
    double threat2Share = 0.0; // share of the harm of the player's attack after its best move and the answer
    double kindShare = 0.3;    // a trained kind in the field, as a share of its stage's damage
                               // (half of it for its equipment in store)
    double goldCap = 12000;    // gold up to this counts in full ...
    double idleGold = 0.7;     // ... gold beyond it this much (one order cannot spend it)
    double winGold = 87500;    // a base that falls
    double strikeClear = 0.8;  // a strike is tried when it clears the defence this surely
    double caution = 0.39;     // a move's value: this share of its worst reply, the rest the average
    double lateFrom = 120;     // from this round on ...
    double lateDiscount = 0.5; // ... the own hit points lose this share of their worth over 100 rounds
    double armyShare = 1.0;    // forces, equipment and buildings count this share of their cost
    double materialShare = 0.1; // share of the harm of the long race: all forces and gold on each side

    static constexpr std::size_t kCount = 17;
    double &operator[](std::size_t i);
    static const char *name(std::size_t i);
};

// The move of the looking-ahead opponent (Blue) in this position. It tries
// about a dozen moves on copies of the record, answers each with the
// player's strongest replies (its best land, an attack, all its gold in
// recruits, with the equipment it lacks, a training of all its
// equipment), follows each with its own best next move, and takes the
// move whose worst reply leaves the best position. Battles are forecast from the
// dice's odds, never rolled, and nothing is drawn: the same record always
// gives the same move, and the move is one the rules carry out.
Move lookaheadMove(const GameState &state, const LookaheadWeights &weights = {});

// Every move tried, with the value its worst reply leaves and that reply,
// in the order tried; lookaheadMove takes the first of the best.
struct LookaheadTrial {
    Move move;
    Move reply;
    double value = 0;
};
std::vector<LookaheadTrial> lookaheadTrials(const GameState &state, const LookaheadWeights &weights = {});

} // namespace gw
