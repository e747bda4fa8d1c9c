// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace gw {

struct GameState;

// The attacking forces of a battle, stage 1..5: recruits, infantry, snipers,
// mortar crews, special units.
using Forces = std::array<int32_t, 5>;
// The defenders in the order they are met: the five forces, then gun
// towers, bunkers, minefields.
using Defenders = std::array<int32_t, 8>;

Forces playerForces(const GameState &s);
Forces opponentForces(const GameState &s);
Defenders playerDefenders(const GameState &s);
Defenders opponentDefenders(const GameState &s);

// What a battle is likely to do, worked out from the dice's odds instead of
// rolling them: each stage's chance of finding no defender left (and so of
// dealing its 5 damage), and the forces either side keeps on average. The
// losses a stage needs to clear the defenders are summed per defender with
// their mean and variance and compared with the force through a gamma law of
// that mean and variance.
struct BattleForecast {
    std::array<double, 5> firstClear{}; // chance that stage s is the first to clear the defence
    std::array<bool, 5> fights{};       // stage s has a force to fight with
    std::array<double, 5> stageHits{};  // chance that stage s deals its damage
    double damage = 0;                 // expected damage to the defending base
    std::array<double, 5> attackersLeft{};
    std::array<double, 8> defendersLeft{};

    // The chance that the damage reaches `hp` (every stage that can hit
    // must, from the first stage that clears the defence on).
    double chanceOfAtLeast(int32_t hp) const;
    // The chance that some stage finds no defender left.
    double clearChance() const;
};

BattleForecast forecastBattle(const Forces &attackers, const Defenders &defenders);

// The mean losses a stage-s force (1..5) suffers to clear these defenders,
// and their variance.
struct ClearingCost {
    double mean = 0;
    double variance = 0;
    double logNoLoss = 0; // log of the chance that every roll needed is won at once
};
ClearingCost clearingCost(int stage, const std::array<double, 8> &defenders);

} // namespace gw
