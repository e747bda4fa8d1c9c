// SPDX-License-Identifier: MIT
#include "core/random.h"
#include "core/saturate.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

TEST(Random, FixedSeedGivesTheHandCheckedSequence)
{
    // From seed 0: states 1, 134775814, 3698175007, 870078620, 1172187917,
    // 2884733762, 1368768587; each draw is (state * n) >> 32.
    gw::Random r(0);
    EXPECT_EQ(r.drawbelow(100), 0);  // 1 * 100 >> 32
    EXPECT_EQ(r.drawbelow(100), 3);  // 13477581400 >> 32
    EXPECT_EQ(r.drawbelow(100), 86);
    EXPECT_EQ(r.drawbelow(12), 2);
    EXPECT_EQ(r.drawbelow(220), 60);
    EXPECT_EQ(r.drawbelow(2), 1);
    EXPECT_EQ(r.drawbelow(1000), 318);
    EXPECT_EQ(r.state(), 1368768587u);
}

TEST(Random, SeedRestartsTheSequence)
{
    gw::Random a(0x12345678), b(0);
    b.seed(0x12345678);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(a.drawbelow(12), b.drawbelow(12));
}

TEST(Random, DrawsStayBelowTheirBound)
{
    gw::Random r(987654321);
    for (int32_t n = 1; n <= 220; ++n) {
        for (int i = 0; i < 200; ++i) {
            const int32_t v = r.drawbelow(n);
            ASSERT_GE(v, 0);
            ASSERT_LT(v, n);
        }
    }
    // The extremes of the state still give numbers in range.
    r.seed(0xFFFFFFFFu);
    EXPECT_LT(r.drawbelow(220), 220);
    EXPECT_GE(r.drawbelow(INT32_MAX), 0);
}

TEST(Random, EveryValueTurnsUpForSmallDice)
{
    gw::Random r(42);
    for (int32_t n : {2, 3, 12}) {
        std::vector<int> seen(static_cast<std::size_t>(n), 0);
        for (int i = 0; i < 1000; ++i)
            ++seen[static_cast<std::size_t>(r.drawbelow(n))];
        for (int count : seen)
            EXPECT_GT(count, 0) << "die " << n;
    }
}

TEST(Random, ClockReseedTakesTheMillisecondOfTheDay)
{
    using namespace std::chrono;
    gw::Random r(0);
    const auto before = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() % 86400000;
    r.clockreseed();
    const auto after = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() % 86400000;
    EXPECT_LT(r.state(), 86400000u);
    if (after >= before) { // not across midnight
        EXPECT_GE(static_cast<long long>(r.state()), before);
        EXPECT_LE(static_cast<long long>(r.state()), after);
    }
}

TEST(CounterArithmetic, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(gw::satAdd(INT32_MAX, 1), INT32_MAX);
    EXPECT_EQ(gw::satAdd(INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(gw::satSub(INT32_MIN, 5), INT32_MIN);
    EXPECT_EQ(gw::satSub(5, INT32_MIN), INT32_MAX);
    EXPECT_EQ(gw::satSub(-5, INT32_MIN), INT32_MAX - 4);
    EXPECT_EQ(gw::satMul(100000, 100000), INT32_MAX);
    EXPECT_EQ(gw::satMul(-100000, 100000), INT32_MIN);
    EXPECT_EQ(gw::satAdd(2, 3), 5);
    int32_t c = INT32_MAX - 1;
    gw::addTo(c, 10);
    EXPECT_EQ(c, INT32_MAX);
    gw::subFrom(c, 1);
    EXPECT_EQ(c, INT32_MAX - 1);
}

} // namespace
