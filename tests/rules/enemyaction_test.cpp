// SPDX-License-Identifier: MIT
// The opponent's twelve actions, each carried out on its own.

#include "core/gamestate.h"
#include "core/random.h"
#include "recording_screen.h"
#include "rules/enemyturn.h"
#include "state_snapshot.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace gw;
using gw::test::changed;
using gw::test::fillField;
using gw::test::RecordingScreen;
using gw::test::snapshot;
using Changes = std::map<std::string, std::string>;

// ---- Actions 1..5: buying -----------------------------------------------

struct BuyCase {
    int action;
    int32_t gold;
    const char *stock;
    int tier;          // 0: nothing bought
    int32_t gain;
    int32_t cost;
};

class EnemyBuying : public ::testing::TestWithParam<BuyCase> {};

TEST_P(EnemyBuying, TakesTheFirstTierTheGoldReaches)
{
    const BuyCase &c = GetParam();
    GameState s;
    s.enemycash = c.gold;
    s.enemyrecruits = 7; // so a gain shows as a sum, not as a plain value
    s.enemymgs = 7;
    s.enemyrifles = 7;
    s.enemymortars = 7;
    s.enemyspecpacks = 7;
    Random random(1);
    RecordingScreen screen;
    const auto before = snapshot(s);

    const EnemyTurnResult r = enemyaction(s, random, screen, c.action);

    Changes expected;
    if (c.tier != 0) {
        expected[c.stock] = std::to_string(7 + c.gain);
        expected["enemycash"] = std::to_string(c.gold - c.cost);
    }
    EXPECT_EQ(changed(before, snapshot(s)), expected);
    EXPECT_EQ(r.action, c.action);
    EXPECT_EQ(r.tier, c.tier);
    EXPECT_EQ(r.amount, c.tier ? c.gain : 0);
    EXPECT_EQ(r.gold, c.tier ? c.cost : 0);
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_EQ(random.state(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Tiers, EnemyBuying,
    ::testing::Values(
        BuyCase{1, 1000, "enemyrecruits", 1, 100, 1000}, BuyCase{1, 999, "enemyrecruits", 2, 50, 500},
        BuyCase{1, 500, "enemyrecruits", 2, 50, 500}, BuyCase{1, 499, "enemyrecruits", 3, 10, 100},
        BuyCase{1, 100, "enemyrecruits", 3, 10, 100}, BuyCase{1, 99, "enemyrecruits", 0, 0, 0},
        BuyCase{2, 1000, "enemymgs", 1, 20, 1000}, BuyCase{2, 999, "enemymgs", 2, 10, 500},
        BuyCase{2, 100, "enemymgs", 3, 2, 100}, BuyCase{2, 99, "enemymgs", 0, 0, 0},
        BuyCase{3, 1000, "enemyrifles", 1, 10, 1000}, BuyCase{3, 500, "enemyrifles", 2, 5, 500},
        BuyCase{3, 100, "enemyrifles", 3, 1, 100}, BuyCase{3, 99, "enemyrifles", 0, 0, 0},
        BuyCase{4, 1200, "enemymortars", 1, 4, 1200}, BuyCase{4, 1199, "enemymortars", 2, 2, 600},
        BuyCase{4, 600, "enemymortars", 2, 2, 600}, BuyCase{4, 599, "enemymortars", 3, 1, 300},
        BuyCase{4, 300, "enemymortars", 3, 1, 300}, BuyCase{4, 299, "enemymortars", 0, 0, 0},
        BuyCase{5, 1500, "enemyspecpacks", 1, 3, 1500},
        BuyCase{5, 1499, "enemyspecpacks", 2, 2, 1000},
        BuyCase{5, 1000, "enemyspecpacks", 2, 2, 1000},
        BuyCase{5, 999, "enemyspecpacks", 3, 1, 500}, BuyCase{5, 500, "enemyspecpacks", 3, 1, 500},
        BuyCase{5, 499, "enemyspecpacks", 0, 0, 0}));

// ---- Actions 6..9: training ---------------------------------------------

struct TrainCase {
    int action;
    int32_t gold, equipment, recruits;
    const char *unit;
    const char *equipmentName;
    int tier;
    int32_t n;
    int32_t cost;
};

class EnemyTraining : public ::testing::TestWithParam<TrainCase> {};

TEST_P(EnemyTraining, NeedsGoldEquipmentAndRecruitsAndKeepsTheEquipment)
{
    const TrainCase &c = GetParam();
    GameState s;
    s.enemycash = c.gold;
    s.enemyrecruits = c.recruits;
    // Only the named equipment is set; the others stay 0.
    if (std::string(c.equipmentName) == "enemymgs") s.enemymgs = c.equipment;
    if (std::string(c.equipmentName) == "enemyrifles") s.enemyrifles = c.equipment;
    if (std::string(c.equipmentName) == "enemymortars") s.enemymortars = c.equipment;
    if (std::string(c.equipmentName) == "enemyspecpacks") s.enemyspecpacks = c.equipment;
    Random random(1);
    RecordingScreen screen;
    const auto before = snapshot(s);

    const EnemyTurnResult r = enemyaction(s, random, screen, c.action);

    Changes expected;
    if (c.tier != 0) {
        expected[c.unit] = std::to_string(c.n);
        expected["enemyrecruits"] = std::to_string(c.recruits - c.n);
        expected["enemycash"] = std::to_string(c.gold - c.cost);
    }
    // The equipment never appears among the changes.
    EXPECT_EQ(changed(before, snapshot(s)), expected);
    EXPECT_EQ(r.tier, c.tier);
    EXPECT_EQ(r.amount, c.tier ? c.n : 0);
    EXPECT_EQ(r.gold, c.tier ? c.cost : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Tiers, EnemyTraining,
    ::testing::Values(
        // gold, equipment, recruits
        TrainCase{6, 1000, 40, 40, "enemyinfantry", "enemymgs", 1, 40, 1000},
        // too few machine guns for tier 1: falls through to tier 2
        TrainCase{6, 1000, 30, 100, "enemyinfantry", "enemymgs", 2, 20, 500},
        // too few recruits for tier 1
        TrainCase{6, 1000, 100, 39, "enemyinfantry", "enemymgs", 2, 20, 500},
        TrainCase{6, 999, 100, 100, "enemyinfantry", "enemymgs", 2, 20, 500},
        TrainCase{6, 1000, 19, 100, "enemyinfantry", "enemymgs", 3, 4, 100},
        TrainCase{6, 1000, 100, 3, "enemyinfantry", "enemymgs", 0, 0, 0},
        TrainCase{6, 99, 100, 100, "enemyinfantry", "enemymgs", 0, 0, 0},
        TrainCase{7, 1000, 20, 20, "enemysnipers", "enemyrifles", 1, 20, 1000},
        TrainCase{7, 1000, 19, 20, "enemysnipers", "enemyrifles", 2, 10, 500},
        TrainCase{7, 100, 2, 2, "enemysnipers", "enemyrifles", 3, 2, 100},
        TrainCase{7, 100, 1, 2, "enemysnipers", "enemyrifles", 0, 0, 0},
        TrainCase{8, 1200, 8, 8, "enemymortarcrews", "enemymortars", 1, 8, 1200},
        TrainCase{8, 1199, 8, 8, "enemymortarcrews", "enemymortars", 2, 4, 600},
        TrainCase{8, 1200, 3, 8, "enemymortarcrews", "enemymortars", 3, 2, 300},
        TrainCase{8, 299, 8, 8, "enemymortarcrews", "enemymortars", 0, 0, 0},
        TrainCase{9, 1200, 4, 4, "enemyspecialunits", "enemyspecpacks", 1, 4, 1200},
        TrainCase{9, 1200, 4, 3, "enemyspecialunits", "enemyspecpacks", 2, 2, 600},
        TrainCase{9, 599, 4, 4, "enemyspecialunits", "enemyspecpacks", 3, 1, 300},
        TrainCase{9, 300, 0, 4, "enemyspecialunits", "enemyspecpacks", 0, 0, 0}));

// ---- Action 10: building ------------------------------------------------

struct BuildCase {
    int32_t gold;
    const char *building; // nullptr: nothing built
    int tier;
    int32_t cost;
};

class EnemyBuilding : public ::testing::TestWithParam<BuildCase> {};

TEST_P(EnemyBuilding, BuildsTheDearestBuildingTheGoldReaches)
{
    const BuildCase &c = GetParam();
    GameState s;
    s.enemycash = c.gold;
    s.enemytowers = s.enemybunkers = s.enemyminefields = 2;
    Random random(1);
    RecordingScreen screen;
    const auto before = snapshot(s);

    const EnemyTurnResult r = enemyaction(s, random, screen, 10);

    Changes expected;
    if (c.building) {
        expected[c.building] = "3";
        expected["enemycash"] = std::to_string(c.gold - c.cost);
    }
    EXPECT_EQ(changed(before, snapshot(s)), expected);
    EXPECT_EQ(r.tier, c.tier);
    EXPECT_EQ(r.amount, c.building ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Tiers, EnemyBuilding,
                         ::testing::Values(BuildCase{2500, "enemytowers", 1, 2000},
                                           BuildCase{2000, "enemytowers", 1, 2000},
                                           BuildCase{1999, "enemybunkers", 2, 1500},
                                           BuildCase{1500, "enemybunkers", 2, 1500},
                                           BuildCase{1499, "enemyminefields", 3, 1000},
                                           BuildCase{1000, "enemyminefields", 3, 1000},
                                           BuildCase{999, nullptr, 0, 0}));

// ---- Who can act at all -------------------------------------------------

// With plenty of equipment and recruits, the gold alone decides which of the
// actions 1..10 do anything: none below 100; 1, 2, 3, 6, 7 from 100; also
// 4, 8, 9 from 300; also 5 from 500; also 10 from 1000.
TEST(EnemyActionThresholds, GoldDecidesWhichActionsCanAct)
{
    const std::map<int32_t, std::set<int>> able = {
        {0, {}},
        {99, {}},
        {100, {1, 2, 3, 6, 7}},
        {299, {1, 2, 3, 6, 7}},
        {300, {1, 2, 3, 4, 6, 7, 8, 9}},
        {499, {1, 2, 3, 4, 6, 7, 8, 9}},
        {500, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {999, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {1000, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    };
    for (const auto &[gold, actions] : able) {
        std::set<int> acted;
        for (int action = 1; action <= 10; ++action) {
            GameState s;
            s.enemycash = gold;
            s.enemyrecruits = s.enemymgs = s.enemyrifles = s.enemymortars = s.enemyspecpacks = 500;
            Random random(1);
            RecordingScreen screen;
            const auto before = snapshot(s);
            enemyaction(s, random, screen, action);
            if (!changed(before, snapshot(s)).empty())
                acted.insert(action);
        }
        EXPECT_EQ(acted, actions) << "gold " << gold;
    }
}

// ---- Action 11: the attack ----------------------------------------------

TEST(EnemyAttackAction, RunsTheBattleAndCostsNothing)
{
    GameState s;
    s.enemycash = 50;
    s.enemyrecruits = 2;
    s.basehp = 100;
    s.soundon = 1;
    Random random(1);
    RecordingScreen screen;

    const EnemyTurnResult r = enemyaction(s, random, screen, 11);

    ASSERT_TRUE(r.battle.has_value());
    EXPECT_FALSE(r.battle->attackerIsPlayer);
    EXPECT_EQ(s.basehp, 95);
    EXPECT_EQ(r.battle->basehpAfter, 95);
    EXPECT_EQ(s.enemycash, 50);
    EXPECT_EQ(r.gold, 0);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"play FightBg", "play Defend",
                                                      "stop FightBg"}));
}

// ---- Action 12: expansion -----------------------------------------------

struct ExpansionRow {
    const char *cell;
    int32_t price;
    const char *taken;
    int32_t tax;
};

class EnemyExpansion : public ::testing::TestWithParam<ExpansionRow> {};

// Every cell holds the row's state, so whatever the draw, the target has it.
TEST_P(EnemyExpansion, TakesTheCellWhenTheGoldReachesThePriceWithoutPaying)
{
    const ExpansionRow &row = GetParam();
    GameState s;
    fillField(s, row.cell);
    s.enemycash = row.price;
    s.enemytaxes = 30;
    Random random(4242);
    Random expectedDraw(4242);
    const int32_t target = expectedDraw.drawbelow(220) + 1;
    RecordingScreen screen;
    const auto before = snapshot(s);

    const EnemyTurnResult r = enemyaction(s, random, screen, 12);

    EXPECT_EQ(changed(before, snapshot(s)),
              (Changes{{"memgame" + std::to_string(target), row.taken},
                       {"enemytaxes", std::to_string(30 + row.tax)},
                       {"enemytarget", std::to_string(target)}}));
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"redraw"}));
    EXPECT_TRUE(r.cellTaken);
    EXPECT_EQ(r.target, target);
    EXPECT_EQ(r.newState, row.taken);
    EXPECT_EQ(r.gold, 0);
}

TEST_P(EnemyExpansion, OneGoldShortChangesNothingButStillEnablesTheRedraw)
{
    const ExpansionRow &row = GetParam();
    GameState s;
    fillField(s, row.cell);
    s.enemycash = row.price - 1;
    Random random(4242);
    RecordingScreen screen;
    const auto before = snapshot(s);

    const EnemyTurnResult r = enemyaction(s, random, screen, 12);

    const auto changes = changed(before, snapshot(s));
    EXPECT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes.count("enemytarget"), 1u);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"redraw"}));
    EXPECT_FALSE(r.cellTaken);
    EXPECT_EQ(r.newState, row.cell);
}

// The opponent's expansion table, in its order.
INSTANTIATE_TEST_SUITE_P(
    Table, EnemyExpansion,
    ::testing::Values(ExpansionRow{"None_Grass", 50, "Blue_Grass", 10},
                      ExpansionRow{"None_Sand", 50, "Blue_Sand", 10},
                      ExpansionRow{"None_Water", 100, "Blue_Water", 50},
                      ExpansionRow{"None_Oasis", 250, "Blue_Oasis", 100},
                      ExpansionRow{"None_Farm", 250, "Blue_Farm", 100},
                      ExpansionRow{"None_Flowers", 100, "Blue_Flowers", 50},
                      ExpansionRow{"None_Road", 50, "Blue_Road", 10},
                      ExpansionRow{"None_Forest", 50, "Blue_Forest", 10},
                      ExpansionRow{"None_SkyScraper", 500, "Blue_SkyScraper", 250},
                      ExpansionRow{"None_Wood", 100, "Blue_Wood", 50},
                      ExpansionRow{"None_Heliport", 150, "Blue_Heliport", 75}));

TEST(EnemyExpansionOwned, OwnedBasesAndUnknownStatesStayButTheRedrawStarts)
{
    for (const char *cell : {"Red_Farm", "Blue_Grass", "Blue_Base", "Red_Base", "none_Grass",
                             "None_grass", "None_Grass ", ""}) {
        SCOPED_TRACE(cell);
        GameState s;
        fillField(s, cell);
        s.enemycash = 100000;
        Random random(99);
        RecordingScreen screen;
        const auto before = snapshot(s);

        const EnemyTurnResult r = enemyaction(s, random, screen, 12);

        const auto changes = changed(before, snapshot(s));
        EXPECT_EQ(changes.size(), 1u);
        EXPECT_EQ(changes.count("enemytarget"), 1u);
        EXPECT_EQ(screen.calls, (std::vector<std::string>{"redraw"}));
        EXPECT_FALSE(r.cellTaken);
    }
}

// Only the drawn cell is looked at, and every number 1..220 can be drawn.
TEST(EnemyExpansionOwned, TargetIsOneDrawAndReachesEveryCell)
{
    std::set<int32_t> targets;
    Random random(2024);
    for (int i = 0; i < 5000; ++i) {
        GameState s;
        fillField(s, "Red_Grass");
        s.memgame.setLine(100, "None_Grass");
        s.enemycash = 50;
        const uint32_t stateBefore = random.state();
        RecordingScreen screen;
        const EnemyTurnResult r = enemyaction(s, random, screen, 12);
        Random oneDraw(stateBefore);
        oneDraw.drawbelow(1);
        EXPECT_EQ(random.state(), oneDraw.state());
        EXPECT_EQ(s.enemytarget, r.target);
        EXPECT_EQ(r.cellTaken, r.target == 100);
        EXPECT_EQ(s.memgame.line(100), r.target == 100 ? "Blue_Grass" : "None_Grass");
        targets.insert(r.target);
    }
    EXPECT_EQ(targets.size(), 220u);
    EXPECT_EQ(*targets.begin(), 1);
    EXPECT_EQ(*targets.rbegin(), 220);
}
