// SPDX-License-Identifier: MIT
// The five-stage battle itself, in both directions.

#include "core/gamestate.h"
#include "core/random.h"
#include "rules/battle.h"
#include "battle_setup.h"
#include "state_snapshot.h"

#include <gtest/gtest.h>

#include <array>

using namespace gw;
using gw::test::Defenders;
using gw::test::Forces;
using gw::test::setOpponent;
using gw::test::setPlayer;
using gw::test::changed;
using gw::test::snapshot;

namespace {

Defenders opponentDefenders(const GameState &s)
{
    return {s.enemyrecruits, s.enemyinfantry, s.enemysnipers, s.enemymortarcrews,
            s.enemyspecialunits, s.enemytowers, s.enemybunkers, s.enemyminefields};
}

int32_t totalDamage(const BattleResult &r)
{
    int32_t d = 0;
    for (const BattleStage &st : r.stages)
        d += st.damage;
    return d;
}

} // namespace

// ---- Edge cases that need no dice ---------------------------------------

class BattleWithoutDice : public ::testing::TestWithParam<bool> {};

TEST_P(BattleWithoutDice, NoAttackingForcesChangeNothingAndDrawNothing)
{
    const bool playerAttacks = GetParam();
    GameState s;
    s.basehp = 100;
    s.enemybasehp = 100;
    // The defending side has everything, the attacking side nothing.
    if (playerAttacks)
        setOpponent(s, {5, 5, 5, 5, 5}, {1, 1, 1});
    else
        setPlayer(s, {5, 5, 5, 5, 5}, {1, 1, 1});
    Random random(77);
    const auto before = snapshot(s);

    const BattleResult r = fightBattle(s, random, playerAttacks);

    EXPECT_TRUE(changed(before, snapshot(s)).empty());
    EXPECT_EQ(random.state(), 77u);
    EXPECT_EQ(r.basehpBefore, 100);
    EXPECT_EQ(r.basehpAfter, 100);
    EXPECT_EQ(totalDamage(r), 0);
    EXPECT_EQ(r.attackerIsPlayer, playerAttacks);
}

TEST_P(BattleWithoutDice, OneOfEachForceAgainstNobodyDeals25AndLosesNothing)
{
    const bool playerAttacks = GetParam();
    GameState s;
    s.basehp = 100;
    s.enemybasehp = 100;
    if (playerAttacks)
        setPlayer(s, {1, 1, 1, 1, 1});
    else
        setOpponent(s, {1, 1, 1, 1, 1});
    Random random(5);
    const auto before = snapshot(s);

    const BattleResult r = fightBattle(s, random, playerAttacks);

    auto expected = std::map<std::string, std::string>{
        {playerAttacks ? "enemybasehp" : "basehp", "75"}};
    EXPECT_EQ(changed(before, snapshot(s)), expected);
    EXPECT_EQ(random.state(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(r.stages[i].stage, i + 1);
        EXPECT_EQ(r.stages[i].attackersAtStart, 1);
        EXPECT_EQ(r.stages[i].attackersLost, 0);
        EXPECT_EQ(r.stages[i].rolls, 0);
        EXPECT_EQ(r.stages[i].damage, 5);
    }
    EXPECT_EQ(r.basehpAfter, 75);
}

TEST_P(BattleWithoutDice, BaseHitPointsGoBelowZeroUnclamped)
{
    const bool playerAttacks = GetParam();
    GameState s;
    s.basehp = 3;
    s.enemybasehp = 3;
    if (playerAttacks)
        setPlayer(s, {0, 2, 0, 0, 4});
    else
        setOpponent(s, {0, 2, 0, 0, 4});
    Random random(1);

    const BattleResult r = fightBattle(s, random, playerAttacks);

    EXPECT_EQ(playerAttacks ? s.enemybasehp : s.basehp, -7);
    EXPECT_EQ(r.basehpAfter, -7);
    EXPECT_TRUE(r.baseDestroyed());
    // Stages whose force is 0 do nothing at all.
    EXPECT_EQ(r.stages[0].damage, 0);
    EXPECT_EQ(r.stages[2].damage, 0);
    EXPECT_EQ(r.stages[3].damage, 0);
}

TEST_P(BattleWithoutDice, ForceLeftBelowZeroByAnEarlierBattleDoesNotFight)
{
    const bool playerAttacks = GetParam();
    GameState s;
    s.basehp = 50;
    s.enemybasehp = 50;
    // Only the stage 2 force, negative; the defenders have one tower.
    if (playerAttacks) {
        setPlayer(s, {0, -2, 0, 0, 0});
        setOpponent(s, {}, {1, 0, 0});
    } else {
        setOpponent(s, {0, -2, 0, 0, 0});
        setPlayer(s, {}, {1, 0, 0});
    }
    Random random(123);
    const auto before = snapshot(s);

    const BattleResult r = fightBattle(s, random, playerAttacks);

    EXPECT_TRUE(changed(before, snapshot(s)).empty());
    EXPECT_EQ(random.state(), 123u);
    EXPECT_EQ(r.stages[1].attackersAtStart, -2);
    EXPECT_EQ(r.stages[1].rolls, 0);
}

INSTANTIATE_TEST_SUITE_P(BothDirections, BattleWithoutDice, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "Player" : "Opponent"; });

// ---- Hand-checked battles -----------------------------------------------

// Player: 3 recruits, 2 infantry, 1 sniper, 1 special unit. Opponent: 2
// recruits, 2 infantry, base 20. Seed 1003. Worked out by hand with
// state := state * 134775813 + 1 (mod 2^32), r := (state * n) >> 32:
//   stage 1, vs recruits (n=2): state 2036154264 -> r 0, opp. recruits 2 -> 1
//   stage 1, vs recruits (n=2): state  811376121 -> r 0, opp. recruits 1 -> 0
//   stage 1, vs infantry (n=3): state 1795914206 -> r 1, recruits 3 -> 2
//   stage 1, vs infantry (n=3): state 3237992791 -> r 2, recruits 2 -> 0, stage ends
//   stage 2, vs infantry (n=3): state  868752052 -> r 0,
//            loss drawbelow(2):  state 2790086021 -> 1, loss 2, opp. infantry 2 -> 0
//   stage 2: nobody left, base 20 -> 15
//   stage 3: nobody left, base 15 -> 10 (no roll)
//   stage 4: no mortar crews, nothing
//   stage 5: nobody left, base 10 -> 5
TEST(HandCheckedBattle, PlayerAttackWithSeed1003)
{
    GameState s;
    setPlayer(s, {3, 2, 1, 0, 1});
    setOpponent(s, {2, 2, 0, 0, 0});
    s.enemybasehp = 20;
    s.basehp = 100;
    Random random(1003);
    const auto before = snapshot(s);

    const BattleResult r = fightBattle(s, random, true);

    EXPECT_EQ(changed(before, snapshot(s)),
              (std::map<std::string, std::string>{
                  {"recruits", "0"}, {"enemyrecruits", "0"}, {"enemyinfantry", "0"},
                  {"enemybasehp", "5"}}));
    EXPECT_EQ(random.state(), 2790086021u); // six draws, no reseeding
    EXPECT_EQ(r.basehpBefore, 20);
    EXPECT_EQ(r.basehpAfter, 5);

    const std::array<int32_t, 5> atStart = {3, 2, 1, 0, 1};
    const std::array<int32_t, 5> lost = {3, 0, 0, 0, 0};
    const std::array<int32_t, 5> rolls = {4, 1, 0, 0, 0};
    const std::array<int32_t, 5> damage = {0, 5, 5, 0, 5};
    const std::array<Defenders, 5> defendersLost = {{
        {2, 0, 0, 0, 0, 0, 0, 0},
        {0, 2, 0, 0, 0, 0, 0, 0},
        {}, {}, {},
    }};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(r.stages[i].attackersAtStart, atStart[i]);
        EXPECT_EQ(r.stages[i].attackersLost, lost[i]);
        EXPECT_EQ(r.stages[i].rolls, rolls[i]);
        EXPECT_EQ(r.stages[i].damage, damage[i]);
        EXPECT_EQ(r.stages[i].defendersLost, defendersLost[i]);
    }
}

// Opponent: 12 mortar crews, 2 special units. Player: no units, 1 tower,
// 1 bunker, 1 minefield, base 40. Seed 1084, by hand as above:
//   stage 4, vs tower (n=12):     state   68093229 -> r 0,
//            loss drawbelow(4):   state 1683901922 -> 1, loss 2, towers 1 -> -1
//   stage 4, vs bunker (n=10):    state  353373547 -> r 0,
//            loss drawbelow(4):   state 1939042072 -> 1, loss 2, bunkers 1 -> -1
//   stage 4, vs minefield (n=8):  state 2146012025 -> r 3, mortar crews 12 -> 9
//   stage 4, vs minefield (n=8):  state  255991134 -> r 0,
//            loss drawbelow(4):   state 1046416087 -> 0, loss 1, minefields 1 -> 0
//   stage 4: nobody left, base 40 -> 35
//   stage 5: nobody left, base 35 -> 30
TEST(HandCheckedBattle, OpponentAttackOnTowerBunkerAndMinefieldWithSeed1084)
{
    GameState s;
    setOpponent(s, {0, 0, 0, 12, 2});
    setPlayer(s, {}, {1, 1, 1});
    s.basehp = 40;
    s.enemybasehp = 100;
    Random random(1084);
    const auto before = snapshot(s);

    const BattleResult r = fightBattle(s, random, false);

    EXPECT_EQ(changed(before, snapshot(s)),
              (std::map<std::string, std::string>{
                  {"enemymortarcrews", "9"}, {"towers", "-1"}, {"bunkers", "-1"},
                  {"minefields", "0"}, {"basehp", "30"}}));
    EXPECT_EQ(random.state(), 1046416087u);
    EXPECT_FALSE(r.attackerIsPlayer);
    EXPECT_EQ(r.basehpBefore, 40);
    EXPECT_EQ(r.basehpAfter, 30);
    EXPECT_EQ(r.stages[3].attackersAtStart, 12);
    EXPECT_EQ(r.stages[3].attackersLost, 3);
    EXPECT_EQ(r.stages[3].rolls, 4);
    EXPECT_EQ(r.stages[3].defendersLost, (Defenders{0, 0, 0, 0, 0, 2, 2, 1}));
    EXPECT_EQ(r.stages[3].damage, 5);
    EXPECT_EQ(r.stages[4].rolls, 0);
    EXPECT_EQ(r.stages[4].damage, 5);
}

// ---- Rules that hold for every seed -------------------------------------

// Three infantry against fifty gun towers: whatever the dice, the infantry
// are used up long before the towers, and the stage must stop there instead
// of fighting on below zero until every tower is gone.
TEST(BattleStageEnd, ForceThatDiesMidStageStops)
{
    for (uint32_t seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE(seed);
        for (bool playerAttacks : {true, false}) {
            GameState s;
            s.basehp = 100;
            s.enemybasehp = 100;
            if (playerAttacks) {
                setPlayer(s, {0, 3, 0, 0, 0});
                setOpponent(s, {}, {50, 0, 0});
            } else {
                setOpponent(s, {0, 3, 0, 0, 0});
                setPlayer(s, {}, {50, 0, 0});
            }
            Random random(seed);
            const BattleResult r = fightBattle(s, random, playerAttacks);

            const int32_t infantry = playerAttacks ? s.infantry : s.enemyinfantry;
            const int32_t towers = playerAttacks ? s.enemytowers : s.towers;
            // The last roll hit a force of at least 1 and cost at most 11.
            EXPECT_LE(infantry, 0);
            EXPECT_GE(infantry, 1 - 11);
            EXPECT_GT(towers, 40);
            EXPECT_EQ(totalDamage(r), 0);
            EXPECT_EQ(r.stages[1].attackersLost, 3 - infantry);
            EXPECT_EQ(r.stages[1].defendersLost[5], 50 - towers);
        }
    }
}

// Mixed armies over many seeds: the report agrees with the counters, each
// stage ends either with its force spent (no damage) or with every defender
// down (5 damage), and a battle deals a multiple of 5 up to 25.
TEST(BattleStageEnd, ReportAgreesWithCountersForManySeeds)
{
    for (uint32_t seed = 0; seed < 500; ++seed) {
        SCOPED_TRACE(seed);
        Random armies(seed ^ 0x5a5a5a5au);
        GameState s;
        setPlayer(s, {armies.drawbelow(15), armies.drawbelow(10), armies.drawbelow(6),
                      armies.drawbelow(4), armies.drawbelow(3)});
        setOpponent(s, {armies.drawbelow(15), armies.drawbelow(10), armies.drawbelow(6),
                        armies.drawbelow(4), armies.drawbelow(3)},
                    {armies.drawbelow(2), armies.drawbelow(2), armies.drawbelow(2)});
        s.enemybasehp = 30;
        const Forces forcesBefore = {s.recruits, s.infantry, s.snipers, s.mortarcrews,
                                     s.specialunits};
        const Defenders defendersBefore = opponentDefenders(s);
        Random random(seed);

        const BattleResult r = fightBattle(s, random, true);

        const Forces forcesAfter = {s.recruits, s.infantry, s.snipers, s.mortarcrews,
                                    s.specialunits};
        Defenders lostTotal{};
        for (int i = 0; i < 5; ++i) {
            const BattleStage &st = r.stages[i];
            EXPECT_EQ(st.attackersAtStart, forcesBefore[i]);
            EXPECT_EQ(st.attackersAtStart - st.attackersLost, forcesAfter[i]);
            for (int d = 0; d < 8; ++d)
                lostTotal[d] += st.defendersLost[d];
            if (st.damage == 5) {
                EXPECT_GT(forcesAfter[i], 0);
            } else {
                EXPECT_EQ(st.damage, 0);
                EXPECT_LE(forcesAfter[i], 0);
            }
        }
        const Defenders defendersAfter = opponentDefenders(s);
        for (int d = 0; d < 8; ++d)
            EXPECT_EQ(defendersBefore[d] - lostTotal[d], defendersAfter[d]);
        EXPECT_EQ(r.basehpBefore - r.basehpAfter, totalDamage(r));
        EXPECT_EQ(s.enemybasehp, r.basehpAfter);
        EXPECT_EQ(totalDamage(r) % 5, 0);
        EXPECT_LE(totalDamage(r), 25);
    }
}

// Against recruits the die has two sides: r = 1 costs the attacker one man,
// r = 0 costs the defender exactly 1 in stage 1 and 1..s in stage s of 2..5.
TEST(BattleStageEnd, DefenderLossesPerLostRollStayInTheirRange)
{
    int heavierLosses = 0;
    for (uint32_t seed = 0; seed < 200; ++seed) {
        SCOPED_TRACE(seed);
        for (int stage = 1; stage <= 5; ++stage) {
            SCOPED_TRACE(stage);
            GameState s;
            Forces f{};
            f[stage - 1] = 20;
            setPlayer(s, f);
            s.enemyrecruits = 1000;
            Random random(seed);
            const BattleStage st = fightBattle(s, random, true).stages[stage - 1];

            const int32_t defenderRolls = st.rolls - st.attackersLost;
            EXPECT_GT(st.rolls, 0);
            EXPECT_GE(st.defendersLost[0], defenderRolls);
            EXPECT_LE(st.defendersLost[0], stage * defenderRolls);
            if (stage == 1)
                EXPECT_EQ(st.defendersLost[0], defenderRolls);
            else if (st.defendersLost[0] > defenderRolls)
                ++heavierLosses;
        }
    }
    // Later stages do kill more than one man per lost roll.
    EXPECT_GT(heavierLosses, 100);
}
