// SPDX-License-Identifier: MIT
// Training recruits with equipment into units.

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

TEST(TrainingTotal, CountsTimesFees)
{
    EXPECT_EQ(trainingTotal({0, 0, 0, 0}), 0);
    EXPECT_EQ(trainingTotal({1, 1, 1, 1}), 25 + 50 + 150 + 300);
    EXPECT_EQ(trainingTotal({4, 0, 0, 2}), 100 + 600);
}

TEST(TrainingSlots, OwnLinesLeaveThePurchaseLinesAlone)
{
    GameState s;
    s.costslot1 = 30; // three recruits standing in the purchase panel
    setTrainingSlots(s, {1, 2, 3, 4});
    EXPECT_EQ(s.traincostslot1, 25);
    EXPECT_EQ(s.traincostslot2, 100);
    EXPECT_EQ(s.traincostslot3, 450);
    EXPECT_EQ(s.traincostslot4, 1200);
    EXPECT_EQ(s.costslot1, 30);
}

class TrainingEquipment : public ::testing::TestWithParam<int> {};

TEST_P(TrainingEquipment, EachKindNeedsItsOwnEquipment)
{
    GameState s;
    s.mgs = 5;
    s.rifles = 6;
    s.mortars = 7;
    s.specpacks = 8;
    EXPECT_EQ(equipmentFor(s, GetParam()), 5 + GetParam());
}

// The refusal's words, one per kind, are the window's (see the orders tests).
INSTANTIATE_TEST_SUITE_P(Kinds, TrainingEquipment, ::testing::Values(0, 1, 2, 3));

TEST(TrainingRun, ExactlyAllRecruitsAndAllGoldLeaveZeroAndZero)
{
    GameState s;
    s.cash = 525;
    s.recruits = 4;
    s.mgs = s.rifles = s.mortars = s.specpacks = 1;
    s.costslot1 = 30; // purchase counts left standing are not charged here
    setTrainingSlots(s, {1, 1, 1, 1});
    const auto before = snapshot(s);

    ASSERT_TRUE(train(s, {1, 1, 1, 1}));

    EXPECT_EQ(changed(before, snapshot(s)),
              (Changes{{"cash", "0"}, {"recruits", "0"}, {"infantry", "1"}, {"snipers", "1"},
                       {"mortarcrews", "1"}, {"specialunits", "1"}, {"mgs", "0"},
                       {"rifles", "0"}, {"mortars", "0"}, {"specpacks", "0"},
                       {"traincostslot1", "0"}, {"traincostslot2", "0"},
                       {"traincostslot3", "0"}, {"traincostslot4", "0"}}));
}

TEST(TrainingRun, UnitsUpEquipmentAndRecruitsDownBySameCounts)
{
    GameState s;
    s.cash = 5000;
    s.recruits = 20;
    s.mgs = 10;
    s.rifles = 10;
    s.mortars = 10;
    s.specpacks = 10;
    s.infantry = 1;
    s.snipers = 2;
    s.mortarcrews = 3;
    s.specialunits = 4;

    ASSERT_TRUE(train(s, {5, 3, 2, 1}));

    EXPECT_EQ(s.cash, 5000 - (125 + 150 + 300 + 300));
    EXPECT_EQ(s.recruits, 20 - 11);
    EXPECT_EQ(s.infantry, 6);
    EXPECT_EQ(s.snipers, 5);
    EXPECT_EQ(s.mortarcrews, 5);
    EXPECT_EQ(s.specialunits, 5);
    EXPECT_EQ(s.mgs, 5);
    EXPECT_EQ(s.rifles, 7);
    EXPECT_EQ(s.mortars, 8);
    EXPECT_EQ(s.specpacks, 9);
}

TEST(TrainingRun, NothingToTrainCostsNothingAndSucceeds)
{
    GameState s;
    s.costslot1 = 30;
    const auto before = snapshot(s);
    EXPECT_TRUE(train(s, {0, 0, 0, 0}));
    EXPECT_TRUE(changed(before, snapshot(s)).empty());
}

// The equipment is checked here too, so no caller has to: the first kind
// short of it is named, and that refusal comes before the gold's.
TEST(TrainingRun, EquipmentShortageNamesTheKind)
{
    GameState s;
    s.recruits = 10;
    s.mgs = 2;
    s.mortars = 1;
    const TrainingResult r = train(s, {2, 0, 2, 0});
    EXPECT_EQ(r.refusal, TrainingResult::Refusal::Equipment);
    EXPECT_EQ(r.kind, 2);
}

struct RefusalCase {
    const char *why;
    int32_t cash;
    int32_t recruits;
    TrainingOrder order;
};

class TrainingRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(TrainingRefusal, ChangesNothing)
{
    const RefusalCase &c = GetParam();
    GameState s;
    s.cash = c.cash;
    s.recruits = c.recruits;
    s.mgs = s.rifles = s.mortars = s.specpacks = 10;
    setTrainingSlots(s, {1, 1, 1, 1});
    const auto before = snapshot(s);

    EXPECT_FALSE(train(s, c.order));
    EXPECT_TRUE(changed(before, snapshot(s)).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrainingRefusal,
    ::testing::Values(RefusalCase{"GoldShortByOne", 524, 4, {1, 1, 1, 1}},
                      RefusalCase{"OneRecruitShort", 525, 3, {1, 1, 1, 1}},
                      RefusalCase{"NoRecruits", 10000, 0, {1, 0, 0, 0}},
                      RefusalCase{"NegativeRecruits", 10000, -2, {0, 0, 0, 0}},
                      RefusalCase{"NegativeCount", 10000, 10, {3, -1, 0, 0}},
                      RefusalCase{"CountAbove999", 100000, 2000, {1000, 0, 0, 0}},
                      RefusalCase{"MoreSnipersThanRifles", 100000, 50, {1, 11, 0, 0}}),
    [](const auto &info) { return std::string(info.param.why); });
