// SPDX-License-Identifier: MIT
// The saved game's text: what is written reads back the same, and every kind
// of damage is named.
#include "core/cells.h"
#include "core/gameerror.h"
#include "core/linelist.h"
#include "core/safefile.h"
#include "core/savegame.h"
#include "core/textfile.h"
#include "savesample.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using gw::SaveFault;
using gw::test::expectSameGame;
using gw::test::sampleGame;
using Lines = std::vector<std::string>;

} // namespace

TEST(SavedGame, WhatIsWrittenReadsBackTheSame)
{
    const gw::SavedGame game = sampleGame();
    const std::string text = gw::saveText(game);
    const gw::SaveReadResult read = gw::readSaveText(text);
    ASSERT_EQ(read.fault, SaveFault::None) << read.line << ": " << read.text;
    expectSameGame(read.game, game);
    EXPECT_EQ(read.game.state.cash, INT32_MAX);
    EXPECT_EQ(read.game.state.enemycash, INT32_MIN);
    EXPECT_EQ(read.game.state.enemytarget, game.state.enemytarget);
    EXPECT_EQ(read.game.state.memgame.line(0), "Big City Crisis");

    // Plain text a player can read: the header, names, then the cells.
    const Lines lines = gw::splitLines(text);
    ASSERT_EQ(lines.size(), 1u + 58u + 1u + 220u + 1u);
    EXPECT_EQ(lines[0], "grimsward-save 1");
    EXPECT_EQ(lines[1], "map Big City Crisis");
    EXPECT_EQ(lines[2], "random 0xFEDCBA98");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "cash 2147483647"), lines.end());
    EXPECT_EQ(lines[59], "cells");
    EXPECT_EQ(lines[60], "Red_Base");

    // A save written before the last move kept whether troops attacked.
    Lines older = lines;
    older.erase(std::find(older.begin(), older.end(), "lastmove.troops 1"));
    const gw::SaveReadResult old = gw::readSaveText(gw::joinLines(older));
    ASSERT_EQ(old.fault, SaveFault::None) << old.line << ": " << old.text;
    EXPECT_TRUE(old.game.lastMove.troops);
    EXPECT_EQ(lines.back(), "end");
}

TEST(SavedGame, RestoringKeepsTheProgramSwitches)
{
    gw::GameState s;
    s.menustate = 2;
    s.musicon = 1;
    s.soundon = 1;
    s.memtemp.setLine(0, "Gestrandet");
    const gw::SavedGame game = sampleGame();
    gw::restoreGame(s, game);
    EXPECT_EQ(s.menustate, 2);
    EXPECT_EQ(s.musicon, 1);
    EXPECT_EQ(s.soundon, 1);
    EXPECT_EQ(s.rounds, game.state.rounds);
    EXPECT_EQ(s.memgame.line(0), "Big City Crisis");
    EXPECT_EQ(s.memgame.line(220), "Blue_Base");
    EXPECT_EQ(s.memtemp.line(0), "Big City Crisis") << "the map a start loads next";
}

// One row per kind of damage: the change to a good file and what the
// reader says of it.
struct Damage {
    const char *what;
    std::function<void(Lines &)> apply;
    SaveFault fault;
    int line;
    const char *text;
};

Lines replaced(Lines lines, const std::string &from, const std::string &to)
{
    for (std::string &l : lines) {
        if (l == from) {
            l = to;
            break;
        }
    }
    return lines;
}

// The maps whose files exist, for the reader's question.
bool shippedMap(const std::string &name)
{
    return name == "Mittelmeer" || name == "Big City Crisis" || name == "Gestrandet";
}

TEST(SavedGame, EverythingTheGameCanHoldReadsBack)
{
    // A map may give its cells states of its own (any state with a picture
    // is drawn), and a player's map may have any name with a file.
    gw::SavedGame game = sampleGame();
    game.mapName = "Küste der Wölfe";
    const std::string odd[] = {"Haus_Links", "end", "cells", "", "None_W\xe4ld", "Red Tower\t2", "map X"};
    for (std::size_t i = 0; i < std::size(odd); ++i)
        game.state.memgame.setLine(10 + i, odd[i]);
    game.state.cellstate = "Haus_Links";
    game.lastMove.cell = "None_W\xe4ld";
    const std::string text = gw::saveText(game);
    const gw::SaveReadResult read =
        gw::readSaveText(text, [](const std::string &name) { return name == "Küste der Wölfe"; });
    ASSERT_EQ(read.fault, SaveFault::None) << read.line << ": " << read.text;
    expectSameGame(read.game, game);
    for (std::size_t i = 0; i < std::size(odd); ++i)
        EXPECT_EQ(read.game.state.memgame.line(10 + i), odd[i]);
}

// An order's counts by kind come back, are none without them, and must fit the entries.
TEST(SavedGame, TheLastOrdersCountsByKindReadBack)
{
    gw::SavedGame game = sampleGame();
    game.lastMove = {true, 1, 1, 123, 0, false, "", true, {120, 3, 0, 0, 999}};
    const Lines lines = gw::splitLines(gw::saveText(game));
    const std::string written = "lastmove.counts 120 3 0 0 999";
    ASSERT_NE(std::find(lines.begin(), lines.end(), written), lines.end());
    EXPECT_EQ(gw::readSaveText(gw::joinLines(lines)).game.lastMove.counts, game.lastMove.counts);
    const std::string older = gw::saveText(sampleGame()); // no order: no counts written
    EXPECT_TRUE(older.find("lastmove.counts") == std::string::npos
                && gw::readSaveText(older).game.lastMove.counts == (std::array<int32_t, 5>{}));
    for (const char *bad : {"120 3 0 0", "120 3 0 0 1000", "120 3 0 0 -1", "120 3 0 0 0 0", "120  3 0 0 0"}) {
        Lines damaged = lines;
        std::replace(damaged.begin(), damaged.end(), written, std::string("lastmove.counts ") + bad);
        EXPECT_NE(gw::readSaveText(gw::joinLines(damaged)).fault, SaveFault::None) << bad;
    }
}

TEST(SavedGame, EveryKindOfDamageIsNamedWithItsLine)
{
    const Lines good = gw::splitLines(gw::saveText(sampleGame()));
    auto set = [](const std::string &from, const std::string &to) {
        return [from, to](Lines &l) { l = replaced(l, from, to); };
    };
    const Damage rows[] = {
        {"empty", [](Lines &l) { l.clear(); }, SaveFault::NotASave, 1, ""},
        {"another file", [](Lines &l) { l[0] = "Mittelmeer"; }, SaveFault::NotASave, 1, "Mittelmeer"},
        {"wrong version", [](Lines &l) { l[0] = "grimsward-save 2"; }, SaveFault::WrongVersion, 1, "2"},
        {"binary", [](Lines &l) { l[5] += std::string("\0\x01", 2); }, SaveFault::Binary, 6, nullptr},
        {"beyond ASCII", [](Lines &l) { l[3] = "redraw \xe4"; }, SaveFault::Binary, 4, nullptr},
        {"bad number", set("redraw 1", "redraw eins"), SaveFault::BadNumber, 4, "eins"},
        {"switch out of range", set("redraw 1", "redraw 2"), SaveFault::BadValue, 4, "2"},
        {"tier out of range", set("lastmove.tier 0", "lastmove.tier 4"), SaveFault::BadValue, 0, "4"},
        {"unknown name", set("redraw 1", "gold 5"), SaveFault::UnknownEntry, 4, "gold"},
        {"given twice", set("redraw 1", "map Mittelmeer"), SaveFault::DuplicateEntry, 4, "map"},
        {"missing", [](Lines &l) { l.erase(l.begin() + 3); }, SaveFault::MissingEntry, 59, "redraw"},
        {"unknown map", set("map Big City Crisis", "map Atlantis"), SaveFault::UnknownMap, 2, "Atlantis"},
        {"no map name", set("map Big City Crisis", "map "), SaveFault::UnknownMap, 2, ""},
        {"control character in the map's name", set("map Big City Crisis", "map Big\tCity"), SaveFault::Binary, 2,
         nullptr},
        {"NUL byte in a cell", set("Red_Base", std::string("Red_B\0ase", 9)), SaveFault::Binary, 61, nullptr},
        {"cut off", [](Lines &l) { l.resize(200); }, SaveFault::CutOff, 201, ""},
        {"cut off in a line", [](Lines &l) { l.resize(200); l.back().resize(4); }, SaveFault::CutOff, 201, ""},
        {"a cell short", [](Lines &l) { l.erase(l.begin() + 60); }, SaveFault::CutOff, 280, ""},
        {"a cell more", [](Lines &l) { l.insert(l.begin() + 60, "Red_Farm"); }, SaveFault::ExtraText, 281,
         "Blue_Base"},
        {"text after the end", [](Lines &l) { l.push_back("x"); }, SaveFault::ExtraText, 282, "x"},
        {"no cells", [](Lines &l) { l.erase(l.begin() + 56, l.end() - 1); }, SaveFault::CutOff, 58, ""},
    };
    for (const Damage &d : rows) {
        SCOPED_TRACE(d.what);
        Lines lines = good;
        d.apply(lines);
        const gw::SaveReadResult r = gw::readSaveText(gw::joinLines(lines), shippedMap);
        EXPECT_EQ(r.fault, d.fault);
        if (d.line > 0) {
            EXPECT_EQ(r.line, d.line);
        }
        if (d.text) {
            EXPECT_EQ(r.text, d.text);
        }
    }
    // Empty lines after the end are harmless.
    Lines trailing = good;
    trailing.insert(trailing.end(), {"", ""});
    EXPECT_EQ(gw::readSaveText(gw::joinLines(trailing)).fault, SaveFault::None);
}

TEST(SavedGame, TwoPlayersTheSideOnTurnAndTheMoveLogReadBack)
{
    gw::SavedGame game = sampleGame();
    // A game against the computer writes none of the three, so files
    // written before them read as such a game.
    const Lines plain = gw::splitLines(gw::saveText(game));
    for (const std::string &line : plain) {
        EXPECT_NE(line.rfind("players", 0), 0u) << line;
        EXPECT_NE(line.rfind("turn", 0), 0u) << line;
        EXPECT_NE(line.rfind("log", 0), 0u) << line;
    }
    const gw::SaveReadResult old = gw::readSaveText(gw::joinLines(plain));
    ASSERT_EQ(old.fault, SaveFault::None);
    EXPECT_EQ(old.game.players, 1);
    EXPECT_EQ(old.game.turn, gw::Side::Red);
    EXPECT_TRUE(old.game.log.empty());

    // A log's lines hold anything a cell may hold, "cells" and "end" too,
    // and keep their order.
    game.players = 2;
    game.turn = gw::Side::Blue;
    game.log = {"grimsward-replay 1", "cells", "Haus_L\xe4nge", "", "end", "3 blue attack 21"};
    const gw::SaveReadResult read = gw::readSaveText(gw::saveText(game));
    ASSERT_EQ(read.fault, SaveFault::None) << read.line << ": " << read.text;
    expectSameGame(read.game, game);
    EXPECT_EQ(read.game.players, 2);
    EXPECT_EQ(read.game.turn, gw::Side::Blue);
    EXPECT_EQ(read.game.log, game.log);

    Lines three = gw::splitLines(gw::saveText(game));
    std::replace(three.begin(), three.end(), std::string("players 2"), std::string("players 3"));
    EXPECT_EQ(gw::readSaveText(gw::joinLines(three)).fault, SaveFault::BadValue);
}
