// SPDX-License-Identifier: MIT
// Construction and the strength figures of the information panel.

#include "core/gamestate.h"
#include "rules/actions.h"
#include "state_snapshot.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>

using namespace gw;
using gw::test::changed;
using gw::test::snapshot;
using Changes = std::map<std::string, std::string>;

// ---- Construction -------------------------------------------------------

struct BuildCase {
    Building building;
    int32_t cash;
    const char *counter; // nullptr: refused
    int32_t cashAfter;
};

class Construction : public ::testing::TestWithParam<BuildCase> {};

TEST_P(Construction, BuildsWhenTheGoldReachesThePrice)
{
    const BuildCase &c = GetParam();
    GameState s;
    s.cash = c.cash;
    const auto before = snapshot(s);

    EXPECT_EQ(build(s, c.building), c.counter != nullptr);

    Changes expected;
    if (c.counter) {
        expected[c.counter] = "1";
        expected["cash"] = std::to_string(c.cashAfter);
    }
    EXPECT_EQ(changed(before, snapshot(s)), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Prices, Construction,
    ::testing::Values(BuildCase{Building::Tower, 2000, "towers", 0},
                      BuildCase{Building::Tower, 1999, nullptr, 0},
                      BuildCase{Building::Bunker, 1500, "bunkers", 0},
                      BuildCase{Building::Bunker, 1200, nullptr, 0},
                      BuildCase{Building::Minefield, 1200, "minefields", 200},
                      BuildCase{Building::Minefield, 999, nullptr, 0},
                      BuildCase{Building::Minefield, -1000, nullptr, 0}));

TEST(ConstructionCounters, AccumulateOverTurns)
{
    GameState s;
    s.cash = 9000;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(build(s, Building::Tower));
    ASSERT_TRUE(build(s, Building::Minefield));
    ASSERT_TRUE(build(s, Building::Minefield));
    EXPECT_EQ(s.towers, 3);
    EXPECT_EQ(s.minefields, 2);
    EXPECT_EQ(s.bunkers, 0);
    EXPECT_EQ(s.cash, 1000);
    EXPECT_FALSE(build(s, Building::Bunker));
}

// ---- Strength figures ---------------------------------------------------

TEST(StrengthFigures, OffenseAndDefenseOfTheExample)
{
    GameState s;
    s.infantry = 3;
    s.recruits = 5;
    s.snipers = 2;
    s.mortarcrews = 1;
    s.basehp = 100;
    s.towers = 1;
    s.minefields = 2;
    const auto before = snapshot(s);

    computeStrength(s);

    // 2*3 + 5 + 3*2 + 4*1 = 21; 21 + 100 + 12 + 16 = 149. Only the two
    // figures change.
    EXPECT_EQ(changed(before, snapshot(s)), (Changes{{"offense", "21"}, {"defense", "149"}}));
}

TEST(StrengthFigures, EachCounterHasItsWeight)
{
    struct Row {
        int32_t GameState::*counter;
        int32_t offense;
        int32_t defense;
    };
    const Row rows[] = {
        {&GameState::recruits, 1, 1},   {&GameState::infantry, 2, 2},
        {&GameState::snipers, 3, 3},    {&GameState::mortarcrews, 4, 4},
        {&GameState::specialunits, 5, 5}, {&GameState::basehp, 0, 1},
        {&GameState::towers, 0, 12},    {&GameState::bunkers, 0, 10},
        {&GameState::minefields, 0, 8},
    };
    for (const Row &row : rows) {
        GameState s;
        s.*row.counter = 10;
        computeStrength(s);
        EXPECT_EQ(s.offense, 10 * row.offense);
        EXPECT_EQ(s.defense, 10 * row.defense);
    }
}

TEST(StrengthFigures, HugeCountersStopAtTheTopInsteadOfWrapping)
{
    GameState s;
    s.specialunits = std::numeric_limits<int32_t>::max();
    s.towers = std::numeric_limits<int32_t>::max();
    computeStrength(s);
    EXPECT_EQ(s.offense, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(s.defense, std::numeric_limits<int32_t>::max());
}
