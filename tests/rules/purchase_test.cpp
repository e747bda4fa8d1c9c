// SPDX-License-Identifier: MIT
// Booking a purchase of recruits and equipment.

#include "core/gamestate.h"
#include "rules/actions.h"
#include "state_snapshot.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace gw;
using gw::test::changed;
using gw::test::snapshot;
using Changes = std::map<std::string, std::string>;

TEST(PurchaseTotal, CountsTimesPrices)
{
    EXPECT_EQ(purchaseTotal({0, 0, 0, 0, 0}), 0);
    EXPECT_EQ(purchaseTotal({1, 1, 1, 1, 1}), 10 + 50 + 100 + 300 + 500);
    EXPECT_EQ(purchaseTotal({3, 0, 2, 0, 1}), 30 + 200 + 500);
    EXPECT_EQ(purchaseTotal({999, 999, 999, 999, 999}), 999 * 960);
}

TEST(PurchaseSlots, EachEntryHasItsOwnLineAndTrainingLinesStay)
{
    GameState s;
    s.traincostslot1 = 25;
    s.traincostslot4 = 300;
    setPurchaseSlots(s, {3, 0, 2, 1, 4});
    EXPECT_EQ(s.costslot1, 30);
    EXPECT_EQ(s.costslot2, 0);
    EXPECT_EQ(s.costslot3, 200);
    EXPECT_EQ(s.costslot4, 300);
    EXPECT_EQ(s.costslot5, 2000);
    EXPECT_EQ(s.traincostslot1, 25);
    EXPECT_EQ(s.traincostslot4, 300);
}

TEST(PurchaseBooking, TotalEqualToTheGoldBuysAndLeavesZero)
{
    GameState s;
    s.cash = 960;
    s.recruits = 2;
    s.traincostslot2 = 50; // standing training counts are not charged here
    setPurchaseSlots(s, {1, 1, 1, 1, 1});
    const auto before = snapshot(s);

    ASSERT_TRUE(bookPurchase(s, {1, 1, 1, 1, 1}));

    EXPECT_EQ(changed(before, snapshot(s)),
              (Changes{{"cash", "0"}, {"recruits", "3"}, {"mgs", "1"}, {"rifles", "1"},
                       {"mortars", "1"}, {"specpacks", "1"}, {"costslot1", "0"},
                       {"costslot2", "0"}, {"costslot3", "0"}, {"costslot4", "0"},
                       {"costslot5", "0"}}));
}

TEST(PurchaseBooking, StocksRiseByTheirOwnCounts)
{
    GameState s;
    s.cash = 100000;
    s.recruits = 1;
    s.mgs = 2;
    s.rifles = 3;
    s.mortars = 4;
    s.specpacks = 5;

    ASSERT_TRUE(bookPurchase(s, {10, 20, 30, 40, 50}));

    EXPECT_EQ(s.cash, 100000 - (100 + 1000 + 3000 + 12000 + 25000));
    EXPECT_EQ(s.recruits, 11);
    EXPECT_EQ(s.mgs, 22);
    EXPECT_EQ(s.rifles, 33);
    EXPECT_EQ(s.mortars, 44);
    EXPECT_EQ(s.specpacks, 55);
}

TEST(PurchaseBooking, AllCountsZeroStillSucceeds)
{
    GameState s;
    s.cash = 0;
    const auto before = snapshot(s);
    EXPECT_TRUE(bookPurchase(s, {0, 0, 0, 0, 0}));
    EXPECT_TRUE(changed(before, snapshot(s)).empty());
}

// The total is taken from the counts at booking time, not from whatever the
// slots held when the display was last drawn.
TEST(PurchaseBooking, TotalComesFromTheOrderNotFromStaleSlots)
{
    GameState s;
    s.cash = 50;
    setPurchaseSlots(s, {0, 0, 0, 0, 9}); // an old display total of 4500

    EXPECT_TRUE(bookPurchase(s, {0, 1, 0, 0, 0}));
    EXPECT_EQ(s.cash, 0);
    EXPECT_EQ(s.mgs, 1);
    EXPECT_EQ(s.specpacks, 0);
}

TEST(PurchaseRefusal, TotalAboveTheGoldChangesNothing)
{
    GameState s;
    s.cash = 959;
    setPurchaseSlots(s, {1, 1, 1, 1, 1});
    const auto before = snapshot(s);

    EXPECT_FALSE(bookPurchase(s, {1, 1, 1, 1, 1}));
    EXPECT_TRUE(changed(before, snapshot(s)).empty());
}

TEST(PurchaseRefusal, CountsOutsideTheEntriesRangeAreRefusedWhole)
{
    for (const PurchaseOrder &order : {PurchaseOrder{-1, 0, 0, 0, 0},
                                       PurchaseOrder{5, 0, 0, 0, -3},
                                       PurchaseOrder{0, 1000, 0, 0, 0}}) {
        GameState s;
        s.cash = 10000000;
        const auto before = snapshot(s);
        EXPECT_FALSE(bookPurchase(s, order));
        EXPECT_TRUE(changed(before, snapshot(s)).empty());
    }
}
