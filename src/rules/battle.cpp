// SPDX-License-Identifier: MIT
#include "rules/battle.h"

#include "core/gamestate.h"
#include "core/random.h"
#include "core/saturate.h"
#include "rules/screen.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace gw {

namespace {

// One side's counters as the battle sees them.
struct Side {
    std::array<int32_t *, 5> forces;    // attacking force of stage 1..5
    std::array<int32_t *, 8> defenders; // in priority order
    int32_t *basehp;
};

Side playerSide(GameState &s)
{
    return {{&s.recruits, &s.infantry, &s.snipers, &s.mortarcrews, &s.specialunits},
            {&s.recruits, &s.infantry, &s.snipers, &s.mortarcrews, &s.specialunits,
             &s.towers, &s.bunkers, &s.minefields},
            &s.basehp};
}

Side opponentSide(GameState &s)
{
    return {{&s.enemyrecruits, &s.enemyinfantry, &s.enemysnipers, &s.enemymortarcrews,
             &s.enemyspecialunits},
            {&s.enemyrecruits, &s.enemyinfantry, &s.enemysnipers, &s.enemymortarcrews,
             &s.enemyspecialunits, &s.enemytowers, &s.enemybunkers, &s.enemyminefields},
            &s.enemybasehp};
}

// The first defender still standing, or -1.
int firstDefender(const Side &defending)
{
    for (int i = 0; i < static_cast<int>(defending.defenders.size()); ++i) {
        if (*defending.defenders[i] > 0)
            return i;
    }
    return -1;
}

// What is left of a stage once the battle has rolled its fill of dice (see
// kExactRolls): each defender in turn is fought by the expected outcome of
// its dice instead of rolling them one by one. Against a die of N sides a
// roll costs the attacker (N - 1) / 2 men on average and fells a defender
// once in N rolls, taking 1 (stage 1) or on average (stage + 1) / 2 of them.
void settleStage(int stage, int32_t &force, const Side &defending, BattleStage &report)
{
    while (force > 0) {
        const int d = firstDefender(defending);
        if (d < 0) {
            subFrom(*defending.basehp, kStageDamage);
            report.damage = kStageDamage;
            return;
        }
        const double sides = kDieSizes[static_cast<std::size_t>(d)];
        const double felled = stage == 1 ? 1.0 : (stage + 1) / 2.0;
        const double lossPerRoll = (sides - 1) / 2.0;
        const int32_t defenders = *defending.defenders[d];
        const double rollsToWin = std::ceil(defenders * sides / felled);
        const double rollsToLose = std::ceil(force / lossPerRoll);
        if (rollsToWin <= rollsToLose) {
            subFrom(force, static_cast<int64_t>(std::ceil(rollsToWin * lossPerRoll)));
            subFrom(*defending.defenders[d], defenders);
            addTo(report.defendersLost[d], defenders);
            addTo(report.attackersLost, static_cast<int64_t>(std::ceil(rollsToWin * lossPerRoll)));
            addTo(report.rolls, static_cast<int64_t>(rollsToWin));
            addTo(report.rollsAgainst[d], static_cast<int64_t>(rollsToWin));
        } else {
            const auto fell = std::min<int64_t>(defenders - 1, static_cast<int64_t>(rollsToLose * felled / sides));
            subFrom(*defending.defenders[d], fell);
            addTo(report.defendersLost[d], fell);
            addTo(report.attackersLost, force);
            addTo(report.rolls, static_cast<int64_t>(rollsToLose));
            addTo(report.rollsAgainst[d], static_cast<int64_t>(rollsToLose));
            force = 0;
        }
    }
}

// `rollsLeft` is what the battle may still roll die by die.
void fightStage(int stage, int32_t &force, const Side &defending, Random &random, BattleStage &report,
                int64_t &rollsLeft)
{
    report.stage = stage;
    report.attackersAtStart = force;
    for (std::size_t d = 0; d < report.defendersAtStart.size(); ++d)
        report.defendersAtStart[d] = *defending.defenders[d];
    // A force at 0 or below is spent, including one that a battle earlier in
    // the same turn left below zero.
    while (force > 0) {
        if (rollsLeft <= 0) {
            settleStage(stage, force, defending, report);
            return;
        }
        const int d = firstDefender(defending);
        if (d < 0) {
            subFrom(*defending.basehp, kStageDamage);
            report.damage = kStageDamage;
            return;
        }
        const int32_t roll = random.drawbelow(kDieSizes[d]);
        --rollsLeft;
        addTo(report.rolls, 1);
        addTo(report.rollsAgainst[d], 1);
        if (roll == 0) {
            const int32_t loss = stage == 1 ? 1 : random.drawbelow(stage) + 1;
            subFrom(*defending.defenders[d], loss);
            addTo(report.defendersLost[d], loss);
        } else {
            subFrom(force, roll);
            addTo(report.attackersLost, roll);
        }
    }
}

} // namespace

BattleResult fightBattle(GameState &state, Random &random, bool playerAttacks)
{
    const Side attacking = playerAttacks ? playerSide(state) : opponentSide(state);
    const Side defending = playerAttacks ? opponentSide(state) : playerSide(state);

    BattleResult result;
    result.attackerIsPlayer = playerAttacks;
    result.basehpBefore = *defending.basehp;
    int64_t rollsLeft = kExactRolls;
    for (int s = 0; s < 5; ++s)
        fightStage(s + 1, *attacking.forces[s], defending, random, result.stages[s], rollsLeft);
    result.basehpAfter = *defending.basehp;
    return result;
}

BattleResult playerattack(GameState &state, Random &random, Screen &screen)
{
    if (state.soundon == 1) {
        screen.playSound(Sound::FightBg);
        screen.playSound(Sound::Fight);
    }
    BattleResult result = fightBattle(state, random, true);
    if (state.enemybasehp <= 0) {
        screen.notify(Notice::BaseDestroyed);
        screen.showVictory(state.rounds);
    }
    // Shown as the battle left them; the round end that follows clamps them.
    screen.showCounter(CounterLabel::Recruits, state.recruits);
    screen.showCounter(CounterLabel::Infantry, state.infantry);
    screen.showCounter(CounterLabel::Snipers, state.snipers);
    screen.showCounter(CounterLabel::Mortarcrews, state.mortarcrews);
    screen.showCounter(CounterLabel::Specialunits, state.specialunits);
    // The battle noise runs on under the victory box and stops after it.
    screen.stopSound(Sound::FightBg);
    return result;
}

BattleResult enemyattack(GameState &state, Random &random, Screen &screen)
{
    if (state.soundon == 1) {
        screen.playSound(Sound::FightBg);
        screen.playSound(Sound::Defend);
    }
    BattleResult result = fightBattle(state, random, false);
    // Unlike the victory, the defeat box comes after the noise has stopped.
    screen.stopSound(Sound::FightBg);
    if (state.basehp <= 0) {
        screen.notify(Notice::OwnBaseDestroyed);
        screen.showDefeat(state.rounds);
    }
    return result;
}

} // namespace gw
