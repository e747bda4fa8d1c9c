// SPDX-License-Identifier: MIT
#pragma once
// One seeded game of a reference player against the computer opponent, on
// the rules library alone: what the arena and the tuning harness play.

#include "referenceplayers.h"

#include "map/mapfile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gw {
class Opponent;
struct EnemyTurnResult;
struct GameState;
struct LookaheadWeights;
}

namespace arena {

// What the game screen shows Red of the record, with the last-move line
// (nullptr before the first round end).
Sight sightOf(const gw::GameState &s, const gw::EnemyTurnResult *lastmove);

enum class Outcome { Win, Loss, CutOff };

struct GameResult {
    Outcome outcome = Outcome::CutOff;
    int32_t rounds = 0;
    long refused = 0;
};

enum class Trace {
    None,
    Rounds,  // one line a round: the player's order, the opponent's move, both sides
    Reasons, // and every move the looking-ahead opponent tried, with its value
};

// Plays until a base falls or `limit` round ends have passed. The opponent
// is the level's (as the round end finds it), or `opponent` when given.
// `weights` are the looking-ahead opponent's, for the reasons of a trace;
// `onDecision`, when given, sees every record the opponent decides on.
GameResult playGame(const gw::LoadedMap &map, int level, Player &player, uint32_t seed, int32_t limit,
                    const gw::Opponent *opponent = nullptr, Trace trace = Trace::None,
                    const gw::LookaheadWeights *weights = nullptr,
                    const std::function<void(const gw::GameState &)> &onDecision = nullptr);

// The results of many games, as the arena prints them.
struct Tally {
    long games = 0;
    std::vector<int32_t> wins, losses;
    long cut = 0;
    long refused = 0;
    void add(const GameResult &r);
    double winShare() const { return games ? double(wins.size()) / double(games) : 0.0; }
    double cutShare() const { return games ? double(cut) / double(games) : 0.0; }
};

// The median of the rounds, "-" for none.
double medianOf(std::vector<int32_t> v);
std::string medianText(const std::vector<int32_t> &v);

} // namespace arena
