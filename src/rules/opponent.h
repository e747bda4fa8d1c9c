// SPDX-License-Identifier: MIT
#pragma once

#include "rules/enemyturn.h"
#include "rules/lookahead.h"

#include <cstdint>

namespace gw {

class Random;
struct GameState;

// The opponent's levels, as the record's enemylevel holds them.
enum class EnemyLevel : int32_t {
    Leicht = 0, // draws one of its twelve actions
    Mittel = 1, // chooses, by the tiers, and often draws instead
    Schwer = 2, // looks a move ahead, and books orders and trainings as the player does
};
constexpr int32_t kEnemyLevelCount = 3;

// The part of the round end that decides what the opponent does. It sees
// the record as the player's action and income left it, and names a move
// for Blue, which the round end carries out by applyMove as any other
// side's move. A decision depends only on the record and the generator's
// state, so a continued game, a replay or a seeded test repeats it exactly.
class Opponent {
public:
    virtual ~Opponent() = default;
    virtual Move choose(const GameState &state, Random &random) const = 0;
    // How the opponent's purchases and trainings are measured.
    virtual EnemyRules rules() const = 0;
};

// Schwer: the looking-ahead opponent (rules/lookahead.h), here with
// weights of its own; the level plays it with the tuned ones.
class LookaheadOpponent : public Opponent {
public:
    explicit LookaheadOpponent(const LookaheadWeights &weights = {}) : weights_(weights) {}
    Move choose(const GameState &state, Random &random) const override;
    EnemyRules rules() const override { return EnemyRules::Shop; }

private:
    LookaheadWeights weights_;
};

// The opponent of a level; a value below 0 counts as Leicht, above 2 as Schwer.
const Opponent &opponentFor(int32_t level);

} // namespace gw
