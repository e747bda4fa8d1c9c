// SPDX-License-Identifier: MIT
// The statistics file: wins, losses and the fewest rounds per map.
#include "core/linelist.h"
#include "core/stats.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(Statistics, WinsLossesAndTheRecordPerMap)
{
    gw::Statistics s;
    EXPECT_EQ(s.record("Mittelmeer"), gw::MapRecord{});
    EXPECT_TRUE(s.addWin("Mittelmeer", 40)) << "the first win sets the record";
    EXPECT_FALSE(s.addWin("Mittelmeer", 40)) << "a tie does not beat it";
    EXPECT_TRUE(s.addWin("Mittelmeer", 27));
    EXPECT_FALSE(s.addWin("Mittelmeer", 31));
    s.addLoss("Mittelmeer");
    s.addLoss("Big City Crisis");
    EXPECT_EQ(s.record("Mittelmeer"), (gw::MapRecord{4, 1, 27}));
    EXPECT_EQ(s.record("Big City Crisis"), (gw::MapRecord{0, 1, 0}));
    EXPECT_EQ(s.record("Gestrandet"), gw::MapRecord{});

    // Each level of the opponent keeps its own record.
    EXPECT_TRUE(s.addWin("Mittelmeer", 55, 2));
    EXPECT_EQ(s.record("Mittelmeer", 2), (gw::MapRecord{1, 0, 55}));
    EXPECT_EQ(s.record("Mittelmeer", 1), gw::MapRecord{});
    EXPECT_EQ(s.record("Mittelmeer"), (gw::MapRecord{4, 1, 27}));

    EXPECT_EQ(gw::splitLines(s.text()),
              (Lines{"grimsward-stats 2", "map Big City Crisis", "level 0", "wins 0", "losses 1", "record 0",
                     "map Mittelmeer", "level 0", "wins 4", "losses 1", "record 27", "map Mittelmeer", "level 2",
                     "wins 1", "losses 0", "record 55", "end"}));
    gw::Statistics again;
    ASSERT_TRUE(again.parse(s.text()));
    EXPECT_EQ(again.records(), s.records());
}

TEST(Statistics, AnythingButTheFormatIsRefusedAsAWhole)
{
    const Lines good = {"grimsward-stats 1", "map Mittelmeer", "wins 3", "losses 1", "record 27"};
    gw::Statistics s;
    ASSERT_TRUE(s.parse(gw::joinLines(good))) << "the first version still reads";
    EXPECT_EQ(s.record("Mittelmeer", 0), (gw::MapRecord{3, 1, 27}));
    ASSERT_TRUE(s.parse(gw::joinLines({"grimsward-stats 1"}))) << "no map played yet";
    ASSERT_TRUE(s.parse(gw::joinLines({"grimsward-stats 2", "end"})));
    ASSERT_TRUE(s.parse(gw::joinLines({"grimsward-stats 2", "map Küste", "level 1", "wins 1", "losses 0", "record 9",
                                       "map Mittelmeer", "level 0", "wins 0", "losses 2", "record 0", "end"})));
    EXPECT_EQ(s.record("Küste", 1), (gw::MapRecord{1, 0, 9}));

    const std::vector<Lines> bad = {
        {},
        {"grimsward-stats 3", "end"},
        // Cut at a record's boundary: after the header, after the first map.
        {"grimsward-stats 2"},
        {"grimsward-stats 2", "map Küste", "level 1", "wins 1", "losses 0", "record 9"},
        {"grimsward-stats 2", "map A", "level 1", "wins 1", "losses 0", "end"},
        {"grimsward-stats 2", "map A", "wins 1", "losses 0", "record 9", "end"}, // no level
        {"grimsward-stats 2", "map A", "level 0", "wins 1", "losses 0", "record 9", "end", "map B"},
        {"grimsward-stats 2", "map A", "level 0", "wins 1", "losses 0", "record 9", "map A", "level 0", "wins 1",
         "losses 0", "record 9", "end"},
        {"grimsward-stats 1", "map Mittelmeer", "wins 3", "losses 1"},                // cut off
        {"grimsward-stats 1", "map Mittelmeer", "wins drei", "losses 1", "record 27"}, // not a number
        {"grimsward-stats 1", "map Mittelmeer", "wins -1", "losses 1", "record 27"},   // negative
        {"grimsward-stats 1", "map Mittelmeer", "losses 1", "wins 3", "record 27"},    // out of order
        {"grimsward-stats 1", "map ", "wins 3", "losses 1", "record 27"},              // no name
        {"grimsward-stats 1", std::string("map M\0x", 8), "wins 3", "losses 1", "record 27"},
        {"grimsward-stats 1", "map A", "wins 3", "losses 1", "record 27", "map A", "wins 3", "losses 1", "record 2"},
    };
    for (const Lines &lines : bad) {
        SCOPED_TRACE(gw::joinLines(lines));
        EXPECT_FALSE(s.parse(gw::joinLines(lines)));
        EXPECT_TRUE(s.records().empty());
    }
}

} // namespace
