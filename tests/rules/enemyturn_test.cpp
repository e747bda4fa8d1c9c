// SPDX-License-Identifier: MIT
// The round end: its order, the incomes, the clamps.

#include "core/gamestate.h"
#include "core/random.h"
#include "recording_screen.h"
#include "rules/enemyturn.h"
#include "state_snapshot.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace gw;
using gw::test::fillField;
using gw::test::RecordingScreen;
using Calls = std::vector<std::string>;

namespace {

// The first seed whose first draw picks the wanted action, found by drawing
// from a copy of the generator as the round end does.
uint32_t seedForAction(int action)
{
    for (uint32_t seed = 0; seed < 100000; ++seed) {
        Random probe(seed);
        if (probe.drawbelow(12) + 1 == action)
            return seed;
    }
    ADD_FAILURE() << "no seed for action " << action;
    return 0;
}

// The labels the round end refreshes after its clamps, in order.
Calls clampLabels(int32_t cash, int32_t recruits, int32_t infantry, int32_t snipers,
                  int32_t mortarcrews, int32_t specialunits)
{
    return {"counter Cash " + std::to_string(cash),
            "counter Recruits " + std::to_string(recruits),
            "counter Infantry " + std::to_string(infantry),
            "counter Snipers " + std::to_string(snipers),
            "counter Mortarcrews " + std::to_string(mortarcrews),
            "counter Specialunits " + std::to_string(specialunits)};
}

} // namespace

TEST(RoundEndSeeds, HelperFindsASeedForEveryAction)
{
    for (int action = 1; action <= 12; ++action) {
        Random probe(seedForAction(action));
        EXPECT_EQ(probe.drawbelow(12) + 1, action);
    }
}

// ---- Order of the steps -------------------------------------------------

TEST(RoundEndOrder, PlayerIncomeFirstThenTheActionThenTheClamps)
{
    GameState s;
    s.cash = 100;
    s.taxes = 50;
    s.recruits = 3;
    s.infantry = 4;
    s.rounds = 2;
    s.fieldactive = 1;
    s.fieldmode = 2;
    fillField(s, "Red_Grass"); // the expansion finds nothing to take
    Random random(seedForAction(12));
    RecordingScreen screen;
    std::vector<std::string> seen;
    screen.onCall = [&](const std::string &call) {
        seen.push_back(call + " @active " + std::to_string(s.fieldactive) + " mode "
                       + std::to_string(s.fieldmode) + " round " + std::to_string(s.rounds));
    };

    const EnemyTurnResult r = enemyturn(s, random, screen);

    EXPECT_EQ(r.action, 12);
    EXPECT_EQ(s.rounds, 3);
    EXPECT_EQ(s.cash, 150);
    EXPECT_EQ(s.fieldactive, 1);
    EXPECT_EQ(s.fieldmode, 0);
    EXPECT_EQ(seen, (Calls{
                        "counter Cash 150 @active 1 mode 2 round 3",
                        "redraw @active 0 mode 0 round 3",
                        "counter Cash 150 @active 1 mode 0 round 3",
                        "counter Recruits 3 @active 1 mode 0 round 3",
                        "counter Infantry 4 @active 1 mode 0 round 3",
                        "counter Snipers 0 @active 1 mode 0 round 3",
                        "counter Mortarcrews 0 @active 1 mode 0 round 3",
                        "counter Specialunits 0 @active 1 mode 0 round 3",
                    }));
}

// 950 gold and 100 income: the recruit purchase sees 950 (tier 2, 500), so
// the income cannot have arrived before the action.
TEST(RoundEndIncome, OpponentIncomeArrivesAfterItsAction)
{
    GameState s;
    s.enemycash = 950;
    s.enemytaxes = 100;
    Random random(seedForAction(1));
    RecordingScreen screen;

    const EnemyTurnResult r = enemyturn(s, random, screen);

    EXPECT_EQ(r.tier, 2);
    EXPECT_EQ(s.enemyrecruits, 50);
    EXPECT_EQ(s.enemycash, 950 - 500 + 100);
}

// A SkyScraper taken with exactly 500 gold is not paid for, and this very
// round end already pays the higher taxes.
TEST(RoundEndIncome, ExpansionTaxesArePaidInTheSameRoundEnd)
{
    GameState s;
    fillField(s, "None_SkyScraper");
    s.enemycash = 500;
    s.enemytaxes = 20;
    Random random(seedForAction(12));
    RecordingScreen screen;

    const EnemyTurnResult r = enemyturn(s, random, screen);

    ASSERT_TRUE(r.cellTaken);
    EXPECT_EQ(s.memgame.line(static_cast<std::size_t>(r.target)), "Blue_SkyScraper");
    EXPECT_EQ(s.enemytarget, r.target);
    EXPECT_EQ(s.enemytaxes, 270);
    EXPECT_EQ(s.enemycash, 500 + 270);
}

// ---- The clamps ---------------------------------------------------------

TEST(RoundEndClamps, ListedCountersGoBackToZeroAndNothingElse)
{
    GameState s;
    // Every counter of both sides below zero.
    s.cash = -5; s.taxes = -3;
    s.enemycash = -6; s.enemytaxes = -4;
    s.recruits = s.enemyrecruits = -1;
    s.infantry = -7; s.enemyinfantry = -2;
    s.snipers = s.enemysnipers = -3;
    s.mortarcrews = s.enemymortarcrews = -4;
    s.specialunits = s.enemyspecialunits = -5;
    s.towers = s.enemytowers = -6;
    s.bunkers = s.enemybunkers = -7;
    s.minefields = s.enemyminefields = -8;
    s.mgs = s.enemymgs = -9;
    s.rifles = s.enemyrifles = -10;
    s.mortars = s.enemymortars = -11;
    s.specpacks = s.enemyspecpacks = -12;
    s.basehp = -13; s.enemybasehp = -14;
    s.rounds = -20;
    fillField(s, "Blue_Base");
    Random random(seedForAction(12));
    RecordingScreen screen;

    enemyturn(s, random, screen);

    for (int32_t v : {s.cash, s.enemycash, s.recruits, s.enemyrecruits, s.infantry,
                      s.enemyinfantry, s.snipers, s.enemysnipers, s.mortarcrews,
                      s.enemymortarcrews, s.specialunits, s.enemyspecialunits, s.towers,
                      s.enemytowers, s.bunkers, s.enemybunkers, s.minefields, s.enemyminefields})
        EXPECT_EQ(v, 0);
    // Not clamped.
    EXPECT_EQ(s.taxes, -3);
    EXPECT_EQ(s.enemytaxes, -4);
    EXPECT_EQ(s.mgs, -9); EXPECT_EQ(s.enemymgs, -9);
    EXPECT_EQ(s.rifles, -10); EXPECT_EQ(s.enemyrifles, -10);
    EXPECT_EQ(s.mortars, -11); EXPECT_EQ(s.enemymortars, -11);
    EXPECT_EQ(s.specpacks, -12); EXPECT_EQ(s.enemyspecpacks, -12);
    EXPECT_EQ(s.basehp, -13);
    EXPECT_EQ(s.enemybasehp, -14);
    EXPECT_EQ(s.rounds, -19);
    // The income makes cash -8 before the clamp; labcash shows both steps,
    // and no other label (taxes, equipment) is touched.
    Calls expected = {"counter Cash -8", "redraw"};
    const Calls labels = clampLabels(0, 0, 0, 0, 0, 0);
    expected.insert(expected.end(), labels.begin(), labels.end());
    EXPECT_EQ(screen.calls, expected);
}

// ---- The opponent's attack inside the round end -------------------------

// basehp 10, no defenders, the opponent has recruits and infantry: the
// defeat text counts this round end; the rest of the round end runs on.
TEST(RoundEndDefeat, DefeatTextIncludesTheCurrentRoundAndTheRestStillRuns)
{
    GameState s;
    s.soundon = 1;
    s.basehp = 10;
    s.enemyrecruits = 2;
    s.enemyinfantry = 1;
    s.enemytaxes = 40;
    s.rounds = 6;
    s.fieldactive = 1;
    Random random(seedForAction(11));
    RecordingScreen screen;
    std::vector<int32_t> activeAtBox;
    screen.onCall = [&](const std::string &call) {
        if (call.rfind("notice", 0) == 0)
            activeAtBox.push_back(s.fieldactive);
    };

    const EnemyTurnResult r = enemyturn(s, random, screen);

    ASSERT_TRUE(r.battle.has_value());
    EXPECT_EQ(s.basehp, 0);
    EXPECT_EQ(s.enemycash, 40);
    EXPECT_EQ(s.fieldactive, 1);
    EXPECT_EQ(activeAtBox, (std::vector<int32_t>{0}));
    Calls expected = {"counter Cash 0", "play FightBg", "play Defend", "stop FightBg",
                      "notice OwnBaseDestroyed",
                      "defeat 7"};
    const Calls labels = clampLabels(0, 0, 0, 0, 0, 0);
    expected.insert(expected.end(), labels.begin(), labels.end());
    EXPECT_EQ(screen.calls, expected);
}

// The player's attack destroyed the opponent's base in this turn: the round
// is counted, both incomes paid and the counters clamped, but the opponent
// (which would attack and win here) takes no action and draws nothing.
TEST(RoundEndVictory, ABeatenOpponentTakesNoAction)
{
    GameState s;
    s.cash = 10;
    s.taxes = 5;
    s.enemytaxes = 40;
    s.recruits = -3;
    s.basehp = 5;
    s.enemyrecruits = 50;
    s.enemybasehp = -5;
    s.rounds = 6;
    fillField(s, "None_Grass");
    const LineList field = s.memgame;
    Random random(seedForAction(11));
    const uint32_t seed = random.state();
    RecordingScreen screen;

    const EnemyTurnResult r = enemyturn(s, random, screen, true);

    EXPECT_EQ(r.action, 0);
    EXPECT_FALSE(r.battle.has_value());
    EXPECT_EQ(random.state(), seed);
    EXPECT_EQ(s.rounds, 7);
    EXPECT_EQ(s.cash, 15);
    EXPECT_EQ(s.enemycash, 40);
    EXPECT_EQ(s.basehp, 5);
    EXPECT_EQ(s.enemyrecruits, 50);
    EXPECT_EQ(s.memgame, field);
    EXPECT_EQ(s.fieldactive, 1);
    Calls expected = {"counter Cash 15"};
    const Calls labels = clampLabels(15, 0, 0, 0, 0, 0);
    expected.insert(expected.end(), labels.begin(), labels.end());
    EXPECT_EQ(screen.calls, expected);
}

// ---- One generator for everything ---------------------------------------

// The action is the first draw of the generator handed in, and an expansion
// target the second: nothing reseeds in between.
TEST(RoundEndRandom, ActionAndTargetComeFromTheSameGenerator)
{
    for (uint32_t seed = 0; seed < 300; ++seed) {
        GameState s;
        fillField(s, "Red_Grass");
        Random random(seed);
        Random probe(seed);
        const int expectedAction = probe.drawbelow(12) + 1;
        RecordingScreen screen;

        const EnemyTurnResult r = enemyturn(s, random, screen);

        ASSERT_EQ(r.action, expectedAction) << "seed " << seed;
        if (r.action == 12) {
            EXPECT_EQ(r.target, probe.drawbelow(220) + 1) << "seed " << seed;
        }
    }
}

// Passing many rounds from one generator draws every action at about 1/12.
TEST(RoundEndRandom, AllTwelveActionsComeUpEvenly)
{
    std::array<int, 13> count{};
    GameState s;
    fillField(s, "Red_Grass");
    Random random(777);
    RecordingScreen screen;
    for (int i = 0; i < 2400; ++i)
        ++count[static_cast<std::size_t>(enemyturn(s, random, screen).action)];
    EXPECT_EQ(count[0], 0);
    for (int a = 1; a <= 12; ++a)
        EXPECT_NEAR(count[static_cast<std::size_t>(a)], 200, 60) << "action " << a;
    EXPECT_EQ(s.rounds, 2400);
}
