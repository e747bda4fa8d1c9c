// SPDX-License-Identifier: MIT
// Battles of armies no game reaches, as an edited save may hold them: they
// end within milliseconds, settled by the dice's expected outcome.

#include "battle_setup.h"

#include "core/gamestate.h"
#include "core/random.h"
#include "rules/battle.h"

#include <gtest/gtest.h>

#include <climits>

using namespace gw;
using gw::test::setOpponent;
using gw::test::setPlayer;

namespace {

// Armies past the dice a battle rolls one by one: the rest is settled by
// the dice's expected outcome, close to what the dice give on average.
TEST(HugeBattle, PastTheRolledDiceTheOutcomeIsTheExpectedOne)
{
    // Three million recruits against one million: each roll costs one man
    // on one side or the other, so the million falls for about a million
    // attackers and the base takes its 5.
    GameState s;
    setPlayer(s, {3'000'000, 0, 0, 0, 0});
    setOpponent(s, {1'000'000, 0, 0, 0, 0});
    s.enemybasehp = 100;
    Random random(7);
    const BattleResult r = fightBattle(s, random, true);
    EXPECT_LE(s.enemyrecruits, 0);
    EXPECT_EQ(s.enemybasehp, 95);
    EXPECT_NEAR(r.stages[0].attackersLost, 1'000'000, 20'000);
    EXPECT_NEAR(r.stages[0].rolls, 2'000'000, 40'000);

    // The other way round the attack fails with about a million left
    // standing against it.
    GameState t;
    setPlayer(t, {1'000'000, 0, 0, 0, 0});
    setOpponent(t, {3'000'000, 0, 0, 0, 0});
    t.enemybasehp = 100;
    fightBattle(t, random, true);
    EXPECT_EQ(t.enemybasehp, 100);
    EXPECT_LE(t.recruits, 0);
    EXPECT_NEAR(t.enemyrecruits, 2'000'000, 20'000);
}

TEST(HugeBattle, AnEditedSaveWithTheLargestArmiesStillEnds)
{
    // Every force and defence at the counters' end on both sides: the
    // battle ends, nothing wraps round, and the report agrees with the
    // counters.
    GameState s;
    constexpr int32_t kMax = INT32_MAX;
    setPlayer(s, {kMax, kMax, kMax, kMax, kMax}, {kMax, kMax, kMax});
    setOpponent(s, {kMax, kMax, kMax, kMax, kMax}, {kMax, kMax, kMax});
    s.basehp = s.enemybasehp = 100;
    Random random(1);
    const BattleResult r = fightBattle(s, random, false);
    int64_t rolls = 0;
    for (const BattleStage &stage : r.stages)
        rolls += stage.rolls;
    EXPECT_GT(rolls, kExactRolls);
    EXPECT_GE(s.basehp, 75);
    EXPECT_LE(s.basehp, 100);
    EXPECT_EQ(r.basehpAfter, s.basehp);
    EXPECT_LT(s.recruits, kMax) << "the defenders lost men";
    EXPECT_GE(s.enemyrecruits, kMax - r.stages[0].attackersLost);
}

} // namespace
