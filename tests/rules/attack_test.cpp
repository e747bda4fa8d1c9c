// SPDX-License-Identifier: MIT
// The two attacks around the battle: sounds, victory, defeat, labels.

#include "core/gamestate.h"
#include "core/random.h"
#include "recording_screen.h"
#include "rules/battle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gw;
using gw::test::RecordingScreen;
using Calls = std::vector<std::string>;

namespace {

const std::string kVictoryBox = "notice BaseDestroyed";
const std::string kDefeatBox = "notice OwnBaseDestroyed";

Calls concat(std::initializer_list<Calls> parts)
{
    Calls out;
    for (const Calls &p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

} // namespace

// ---- Player attack ------------------------------------------------------

struct SoundCase {
    int32_t soundon;
    Calls start; // what happens before the battle
};

class PlayerAttackSound : public ::testing::TestWithParam<SoundCase> {};

// One recruit against an undefended base with 5 hit points: stage 1 deals
// the last 5 and 0 counts as destroyed.
TEST_P(PlayerAttackSound, VictoryBoxThenPanelThenLabelsThenNoiseStops)
{
    GameState s;
    s.soundon = GetParam().soundon;
    s.recruits = 1;
    s.enemybasehp = 5;
    s.rounds = 3;
    Random random(9);
    RecordingScreen screen;

    const BattleResult r = playerattack(s, random, screen);

    EXPECT_EQ(s.enemybasehp, 0);
    EXPECT_TRUE(r.baseDestroyed());
    EXPECT_EQ(screen.calls,
              concat({GetParam().start,
                      {kVictoryBox, "victory 3",
                       "counter Recruits 1", "counter Infantry 0", "counter Snipers 0",
                       "counter Mortarcrews 0", "counter Specialunits 0", "stop FightBg"}}));
}

TEST_P(PlayerAttackSound, NoVictoryWhileTheBaseStands)
{
    GameState s;
    s.soundon = GetParam().soundon;
    s.recruits = 1;
    s.enemybasehp = 6;
    Random random(9);
    RecordingScreen screen;

    playerattack(s, random, screen);

    EXPECT_EQ(s.enemybasehp, 1);
    EXPECT_EQ(screen.calls,
              concat({GetParam().start,
                      {"counter Recruits 1", "counter Infantry 0", "counter Snipers 0",
                       "counter Mortarcrews 0", "counter Specialunits 0", "stop FightBg"}}));
}

// Sounds only for soundon exactly 1; the stop always.
INSTANTIATE_TEST_SUITE_P(SoundSwitch, PlayerAttackSound,
                         ::testing::Values(SoundCase{1, {"play FightBg", "play Fight"}},
                                           SoundCase{0, {}}, SoundCase{2, {}}),
                         [](const auto &info) {
                             return "soundon" + std::to_string(info.param.soundon);
                         });

TEST(PlayerAttack, WithoutForcesNothingHappensButTheLabelsAndTheStop)
{
    GameState s;
    s.enemybasehp = 100;
    s.enemyrecruits = 4;
    s.enemytowers = 2;
    Random random(31);
    RecordingScreen screen;

    const BattleResult r = playerattack(s, random, screen);

    EXPECT_EQ(s.enemybasehp, 100);
    EXPECT_EQ(s.enemyrecruits, 4);
    EXPECT_EQ(s.enemytowers, 2);
    EXPECT_FALSE(r.baseDestroyed());
    EXPECT_EQ(screen.starting("message").size(), 0u);
    EXPECT_EQ(screen.calls.back(), "stop FightBg");
}

// Seed 1, player 2 recruits and 2 infantry against 1 recruit and 1 tower:
//   stage 1 vs recruit (n=2): state  134775814 -> r 0, opp. recruit 1 -> 0
//   stage 1 vs tower (n=12):  state 3698175007 -> r 10, recruits 2 -> -8
//   stage 2 vs tower (n=12):  state  870078620 -> r 2, infantry 2 -> 0
// The labels show -8 as it is; the round end clamps it afterwards.
TEST(PlayerAttack, LabelsShowForcesBelowZeroUnclamped)
{
    GameState s;
    s.recruits = 2;
    s.infantry = 2;
    s.enemyrecruits = 1;
    s.enemytowers = 1;
    s.enemybasehp = 100;
    Random random(1);
    RecordingScreen screen;

    playerattack(s, random, screen);

    EXPECT_EQ(screen.starting("counter"),
              (Calls{"counter Recruits -8", "counter Infantry 0", "counter Snipers 0",
                     "counter Mortarcrews 0", "counter Specialunits 0"}));
}

TEST(PlayerAttack, DestroyedBaseRepeatsTheVictoryWithTheCurrentRoundCount)
{
    GameState s;
    s.enemybasehp = -3;
    s.rounds = 12;
    Random random(4);
    RecordingScreen screen;

    playerattack(s, random, screen);

    EXPECT_EQ(screen.starting("victory"), (Calls{"victory 12"}));
    EXPECT_EQ(s.enemybasehp, -3);
}

// ---- Opponent attack ----------------------------------------------------

class EnemyAttackSound : public ::testing::TestWithParam<SoundCase> {};

// basehp 10, no defenders, the opponent has recruits and infantry: two
// stages deal 5 each and 0 counts as destroyed.
TEST_P(EnemyAttackSound, NoiseStopsBeforeTheDefeatBoxAndNoLabels)
{
    GameState s;
    s.soundon = GetParam().soundon;
    s.basehp = 10;
    s.enemyrecruits = 3;
    s.enemyinfantry = 1;
    s.rounds = 7;
    Random random(2);
    RecordingScreen screen;

    const BattleResult r = enemyattack(s, random, screen);

    EXPECT_EQ(s.basehp, 0);
    EXPECT_FALSE(r.attackerIsPlayer);
    EXPECT_TRUE(r.baseDestroyed());
    EXPECT_EQ(s.enemyrecruits, 3);
    EXPECT_EQ(s.enemyinfantry, 1);
    EXPECT_EQ(screen.calls,
              concat({GetParam().start,
                      {"stop FightBg", kDefeatBox, "defeat 7"}}));
}

TEST_P(EnemyAttackSound, NoDefeatWhileTheBaseStands)
{
    GameState s;
    s.soundon = GetParam().soundon;
    s.basehp = 11;
    s.enemyrecruits = 3;
    s.enemyinfantry = 1;
    Random random(2);
    RecordingScreen screen;

    enemyattack(s, random, screen);

    EXPECT_EQ(s.basehp, 1);
    EXPECT_EQ(screen.calls, concat({GetParam().start, {"stop FightBg"}}));
}

INSTANTIATE_TEST_SUITE_P(SoundSwitch, EnemyAttackSound,
                         ::testing::Values(SoundCase{1, {"play FightBg", "play Defend"}},
                                           SoundCase{0, {}}, SoundCase{2, {}}),
                         [](const auto &info) {
                             return "soundon" + std::to_string(info.param.soundon);
                         });

TEST(EnemyAttack, WithoutForcesRepeatsTheDefeatOnceTheBaseIsGone)
{
    GameState s;
    s.soundon = 1;
    s.basehp = 0;
    s.rounds = 9;
    s.recruits = 5;
    Random random(8);
    RecordingScreen screen;

    enemyattack(s, random, screen);

    EXPECT_EQ(s.basehp, 0);
    EXPECT_EQ(s.recruits, 5);
    EXPECT_EQ(screen.calls, (Calls{"play FightBg", "play Defend", "stop FightBg", kDefeatBox,
                                   "defeat 9"}));
}

TEST(EnemyAttack, OneOfEachOpponentForceAgainstNoDefenceDeals25)
{
    GameState s;
    s.basehp = 100;
    s.enemyrecruits = s.enemyinfantry = s.enemysnipers = s.enemymortarcrews =
        s.enemyspecialunits = 1;
    Random random(3);
    RecordingScreen screen;

    enemyattack(s, random, screen);

    EXPECT_EQ(s.basehp, 75);
    EXPECT_EQ(s.enemyrecruits + s.enemyinfantry + s.enemysnipers + s.enemymortarcrews
                  + s.enemyspecialunits,
              5);
    EXPECT_EQ(screen.calls, (Calls{"stop FightBg"}));
}
