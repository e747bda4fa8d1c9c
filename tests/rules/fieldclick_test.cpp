// SPDX-License-Identifier: MIT
// Field clicks: what a click asks for, and the land purchase itself.

#include "core/gamestate.h"
#include "core/random.h"
#include "recording_screen.h"
#include "rules/actions.h"
#include "rules/enemyturn.h"
#include "state_snapshot.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace gw;
using gw::test::changed;
using gw::test::RecordingScreen;
using gw::test::snapshot;
using Changes = std::map<std::string, std::string>;

// ---- Classifying a click ------------------------------------------------

struct ClickCase {
    int32_t fieldactive;
    int32_t fieldmode;
    const char *cell;
    int32_t cash;
    FieldClick expected;
};

class FieldClickKind : public ::testing::TestWithParam<ClickCase> {};

TEST_P(FieldClickKind, DecidesWithoutChangingAnythingButCellstate)
{
    const ClickCase &c = GetParam();
    GameState s;
    s.fieldactive = c.fieldactive;
    s.fieldmode = c.fieldmode;
    s.cash = c.cash;
    s.memgame.setLine(58, c.cell);
    s.cellstate = "left over";
    const auto before = snapshot(s);

    EXPECT_EQ(classifyFieldClick(s, 58), c.expected);
    // The cell is copied first, even when the click is then ignored.
    EXPECT_EQ(changed(before, snapshot(s)), (Changes{{"cellstate", c.cell}}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FieldClickKind,
    ::testing::Values(
        // round end running, or no mode chosen
        ClickCase{0, 1, "None_Farm", 1000, FieldClick::Ignored},
        ClickCase{0, 2, "Blue_Base", 1000, FieldClick::Ignored},
        ClickCase{2, 1, "None_Farm", 1000, FieldClick::Ignored},
        ClickCase{1, 0, "None_Farm", 1000, FieldClick::Ignored},
        ClickCase{1, 3, "Blue_Base", 1000, FieldClick::Ignored},
        ClickCase{1, -1, "None_Farm", 1000, FieldClick::Ignored},
        // buy mode
        ClickCase{1, 1, "Red_Farm", 1000, FieldClick::Ignored},
        ClickCase{1, 1, "Blue_Farm", 1000, FieldClick::Ignored},
        ClickCase{1, 1, "Blue_Base", 1000, FieldClick::Ignored},
        ClickCase{1, 1, "none_Farm", 1000, FieldClick::Ignored},
        ClickCase{1, 1, "None_Farm", 249, FieldClick::NotEnoughGold},
        ClickCase{1, 1, "None_Farm", -5, FieldClick::NotEnoughGold},
        ClickCase{1, 1, "None_Farm", 250, FieldClick::BuyLand},
        ClickCase{1, 1, "None_Grass", 50, FieldClick::BuyLand},
        ClickCase{1, 1, "None_Grass", 49, FieldClick::NotEnoughGold},
        // attack mode
        ClickCase{1, 2, "Blue_Base", 0, FieldClick::Attack},
        ClickCase{1, 2, "Red_Base", 0, FieldClick::NotAttackable},
        ClickCase{1, 2, "Blue_Farm", 0, FieldClick::NotAttackable},
        ClickCase{1, 2, "None_Grass", 0, FieldClick::NotAttackable},
        ClickCase{1, 2, "blue_base", 0, FieldClick::NotAttackable},
        ClickCase{1, 2, "", 0, FieldClick::NotAttackable}));

TEST(FieldClickCells, EveryCellNumberReadsItsOwnLine)
{
    GameState s;
    s.fieldactive = 1;
    s.fieldmode = 2;
    for (int n = 1; n <= 220; ++n)
        s.memgame.setLine(static_cast<std::size_t>(n), "Red_Grass");
    s.memgame.setLine(137, "Blue_Base");
    for (int n = 1; n <= 220; ++n) {
        EXPECT_EQ(classifyFieldClick(s, n),
                  n == 137 ? FieldClick::Attack : FieldClick::NotAttackable)
            << n;
        EXPECT_EQ(s.cellstate, n == 137 ? "Blue_Base" : "Red_Grass");
    }
}

// ---- Buying land --------------------------------------------------------

struct LandRow {
    const char *cell;
    int32_t price;
    int32_t tax;
    const char *bought;
};

class LandPurchase : public ::testing::TestWithParam<LandRow> {};

TEST_P(LandPurchase, ExactPriceBuysAndLeavesNoGold)
{
    const LandRow &row = GetParam();
    GameState s;
    s.fieldactive = 1;
    s.fieldmode = 1;
    s.cash = row.price;
    s.taxes = 40;
    s.memgame.setLine(12, row.cell);
    ASSERT_EQ(classifyFieldClick(s, 12), FieldClick::BuyLand);
    // The window loads this picture before anything changes.
    EXPECT_EQ(boughtLandState(s), row.bought);
    const auto before = snapshot(s);

    EXPECT_EQ(buyLand(s, 12), row.bought);

    EXPECT_EQ(changed(before, snapshot(s)),
              (Changes{{"memgame12", row.bought},
                       {"taxes", std::to_string(40 + row.tax)},
                       {"cash", "0"}}));
}

TEST_P(LandPurchase, OneGoldShortIsRefusedAndBuyLandChecksAgain)
{
    const LandRow &row = GetParam();
    GameState s;
    s.fieldactive = 1;
    s.fieldmode = 1;
    s.cash = row.price - 1;
    s.memgame.setLine(12, row.cell);
    EXPECT_EQ(classifyFieldClick(s, 12), FieldClick::NotEnoughGold);
    const auto before = snapshot(s);

    EXPECT_EQ(buyLand(s, 12), row.cell);

    EXPECT_TRUE(changed(before, snapshot(s)).empty());
}

INSTANTIATE_TEST_SUITE_P(
    LandTable, LandPurchase,
    ::testing::Values(LandRow{"None_Sand", 50, 10, "Red_Sand"},
                      LandRow{"None_Water", 100, 50, "Red_Water"},
                      LandRow{"None_Oasis", 250, 100, "Red_Oasis"},
                      LandRow{"None_Farm", 250, 100, "Red_Farm"},
                      LandRow{"None_Flowers", 100, 50, "Red_Flowers"},
                      LandRow{"None_Forest", 50, 10, "Red_Forest"},
                      LandRow{"None_Grass", 50, 10, "Red_Grass"},
                      LandRow{"None_Road", 50, 10, "Red_Road"},
                      LandRow{"None_SkyScraper", 500, 250, "Red_SkyScraper"},
                      LandRow{"None_Wood", 100, 50, "Red_Wood"},
                      LandRow{"None_Heliport", 150, 75, "Red_Heliport"}));

TEST(LandPurchaseOwned, OwnedCellsAreNeverBought)
{
    for (const char *cell : {"Red_Farm", "Blue_Farm", "Blue_Base", "Red_Base", ""}) {
        GameState s;
        s.cash = 10000;
        s.memgame.setLine(3, cell);
        s.cellstate = cell;
        EXPECT_EQ(boughtLandState(s), "");
        const auto before = snapshot(s);
        EXPECT_EQ(buyLand(s, 3), cell);
        EXPECT_TRUE(changed(before, snapshot(s)).empty()) << cell;
    }
}

// A purchase ends the turn; the round end resets the mode, so the next free
// cell is ignored until "Land kaufen" is pressed again.
TEST(LandPurchaseMode, AfterThePurchaseTheModeIsZero)
{
    GameState s;
    s.fieldactive = 1;
    s.fieldmode = 1;
    s.cash = 1000;
    s.memgame.setLine(20, "None_Farm");
    s.memgame.setLine(21, "None_Grass");
    Random random(5);
    RecordingScreen screen;

    ASSERT_EQ(classifyFieldClick(s, 20), FieldClick::BuyLand);
    buyLand(s, 20);
    enemyturn(s, random, screen);

    EXPECT_EQ(s.fieldmode, 0);
    EXPECT_EQ(s.fieldactive, 1);
    EXPECT_EQ(classifyFieldClick(s, 21), FieldClick::Ignored);
    EXPECT_EQ(s.memgame.line(21), "None_Grass");
}

// A wrong cell in attack mode keeps the mode; the base then attacks.
TEST(AttackMode, WrongCellKeepsTheModeThenTheBaseAttacks)
{
    GameState s;
    s.fieldactive = 1;
    s.fieldmode = 2;
    s.memgame.setLine(1, "Red_Base");
    s.memgame.setLine(2, "Blue_Base");

    EXPECT_EQ(classifyFieldClick(s, 1), FieldClick::NotAttackable);
    EXPECT_EQ(s.fieldmode, 2);
    EXPECT_EQ(classifyFieldClick(s, 2), FieldClick::Attack);
}
