// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace gw {

class Random;
class Screen;
struct GameState;

// Die sizes of the defenders, in the order they are met: recruits, infantry,
// snipers, mortar crews, special units, gun towers, bunkers, minefields.
constexpr std::array<int32_t, 8> kDieSizes = {2, 3, 4, 5, 6, 12, 10, 8};

// Damage a stage deals when it finds nobody left to fight.
constexpr int32_t kStageDamage = 5;

// Dice a battle rolls one by one. A battle of 999 of every force against
// 999 of every defence rolls some ten thousand; armies no game reaches in
// years of play (an edited save may hold two thousand million recruits a
// side) would roll thousands of millions and hold the window for minutes.
// Past this many rolls the rest of the battle is settled by the dice's
// expected outcome, so any battle ends within milliseconds.
constexpr int64_t kExactRolls = 2'000'000;

// What one battle did, stage by stage, so a report can show it.
struct BattleStage {
    int stage = 0;                 // 1..5: recruits, infantry, snipers, mortar crews, special units
    int32_t attackersAtStart = 0;  // the attacking force when the stage began
    int32_t attackersLost = 0;     // summed losses of the attacking force
    std::array<int32_t, 8> defendersAtStart{}; // each defender when the stage began
    std::array<int32_t, 8> defendersLost{}; // per defender in priority order
    std::array<int32_t, 8> rollsAgainst{};  // dice rolled against each defender
    int32_t rolls = 0;             // dice rolled in this stage
    int32_t damage = 0;            // 0 or 5, dealt to the defending base
};

struct BattleResult {
    bool attackerIsPlayer = true;
    int32_t basehpBefore = 0;      // the defending base
    int32_t basehpAfter = 0;
    std::array<BattleStage, 5> stages{};
    bool baseDestroyed() const { return basehpAfter <= 0; }
    // Whether any stage had a force to attack with; a battle without one
    // changes nothing.
    bool hadAttackers() const
    {
        for (const BattleStage &s : stages) {
            if (s.attackersAtStart > 0)
                return true;
        }
        return false;
    }
};

// The five-stage battle, the same rules in both directions. Draws every roll
// and loss from `random` without reseeding it (up to kExactRolls). Counters may go below zero;
// the round end clamps them afterwards. Base hit points are never clamped.
BattleResult fightBattle(GameState &state, Random &random, bool playerAttacks);

// The player's attack on the opponent's base: sounds (when soundon is 1),
// the battle, the victory box and panel when the base is destroyed, the
// player's force labels, then the fight noise stops.
BattleResult playerattack(GameState &state, Random &random, Screen &screen);

// The opponent's attack on the player's base (its action 11): sounds, the
// battle, the fight noise stops, then the defeat box and panel when the
// player's base is destroyed. Refreshes no labels itself.
BattleResult enemyattack(GameState &state, Random &random, Screen &screen);

} // namespace gw
