// SPDX-License-Identifier: MIT
// The saved game's file: what is written reads back the same, every kind of
// damage is named, and a replaced file is never half-written.
#include "core/cells.h"
#include "core/gameerror.h"
#include "core/linelist.h"
#include "core/safefile.h"
#include "core/savegame.h"
#include "core/textfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using gw::SaveFault;
using Lines = std::vector<std::string>;

// A game whose every value differs from its neighbours' and from the
// defaults, the ends of the counters' range included.
gw::SavedGame sampleGame()
{
    gw::SavedGame g;
    g.mapName = "Big City Crisis";
    gw::GameState &s = g.state;
    int32_t v = -3;
    for (int32_t *c : {&s.cash, &s.enemycash, &s.taxes, &s.enemytaxes, &s.recruits, &s.enemyrecruits, &s.mgs,
                       &s.enemymgs, &s.rifles, &s.enemyrifles, &s.mortars, &s.enemymortars, &s.specpacks,
                       &s.enemyspecpacks, &s.infantry, &s.enemyinfantry, &s.snipers, &s.enemysnipers,
                       &s.mortarcrews, &s.enemymortarcrews, &s.specialunits, &s.enemyspecialunits, &s.towers,
                       &s.enemytowers, &s.bunkers, &s.enemybunkers, &s.minefields, &s.enemyminefields, &s.basehp,
                       &s.enemybasehp, &s.rounds, &s.fieldactive, &s.fieldmode, &s.costslot1, &s.costslot2,
                       &s.costslot3, &s.costslot4, &s.costslot5, &s.traincostslot1, &s.traincostslot2,
                       &s.traincostslot3, &s.traincostslot4, &s.offense, &s.defense, &s.enemytarget})
        *c = v += 37;
    s.cash = INT32_MAX;
    s.enemycash = INT32_MIN;
    s.cellstate = "Blue_Base";
    s.memgame = gw::LineList(221);
    const auto &t = gw::terrains();
    for (int n = 1; n <= gw::kCells; ++n) {
        const gw::Terrain &terrain = t[static_cast<std::size_t>(n) % t.size()];
        const std::string state = n % 3 == 0 ? gw::freeState(terrain)
                                  : n % 3 == 1 ? gw::playerState(terrain) : gw::opponentState(terrain);
        s.memgame.setLine(static_cast<std::size_t>(n), state);
    }
    s.memgame.setLine(0, g.mapName);
    s.memgame.setLine(1, "Red_Base");
    s.memgame.setLine(220, "Blue_Base");
    g.random = 0xFEDCBA98u;
    g.redraw = true;
    g.lastMove = {true, 11, 0, 0, 15, false, "", true};
    return g;
}

void expectSameGame(const gw::SavedGame &a, const gw::SavedGame &b)
{
    EXPECT_EQ(a.mapName, b.mapName);
    EXPECT_EQ(a.random, b.random);
    EXPECT_EQ(a.redraw, b.redraw);
    EXPECT_EQ(a.lastMove.shown, b.lastMove.shown);
    EXPECT_EQ(a.lastMove.action, b.lastMove.action);
    EXPECT_EQ(a.lastMove.tier, b.lastMove.tier);
    EXPECT_EQ(a.lastMove.amount, b.lastMove.amount);
    EXPECT_EQ(a.lastMove.damage, b.lastMove.damage);
    EXPECT_EQ(a.lastMove.cellTaken, b.lastMove.cellTaken);
    EXPECT_EQ(a.lastMove.cell, b.lastMove.cell);
    // restoreGame copies every counter; compare through it.
    gw::GameState x, y;
    gw::restoreGame(x, a);
    gw::restoreGame(y, b);
    EXPECT_EQ(x.memgame, y.memgame);
    EXPECT_EQ(x.cellstate, y.cellstate);
    EXPECT_EQ(gw::saveText(a), gw::saveText(b));
}

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

class SaveFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() / ("grimsward-save-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "savegame.gws").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string contents() const { return gw::readFileBytes(path_); }
    std::vector<std::string> filesInDir() const
    {
        std::vector<std::string> names;
        for (const auto &e : std::filesystem::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path dir_;
    std::string path_;
};

TEST_F(SaveFile, AWriteThatFailsMidwayLeavesThePreviousSaveIntact)
{
    const std::string previous = gw::saveText(sampleGame());
    gw::writeFileAtomically(path_, previous);
    ASSERT_EQ(contents(), previous);

    // A disk that fills up after 1000 bytes: the write stops midway.
    const std::string next(8000, 'x');
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    try {
        gw::writeFileAtomically(path_, next);
    } catch (const gw::GameError &e) {
        error = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error, "Datei " + path_ + " kann nicht erstellt werden");
    EXPECT_EQ(contents(), previous);
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"savegame.gws"})) << "the half-written copy is removed";
}

TEST_F(SaveFile, ADirectoryInThePlaceOfTheFileIsAnErrorAndStays)
{
    std::filesystem::create_directory(path_);
    EXPECT_THROW(gw::writeFileAtomically(path_, "x"), gw::GameError);
    EXPECT_TRUE(std::filesystem::is_directory(path_));
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"savegame.gws"}));

    // Whatever lies under the old temporary name is never opened: the
    // temporary file always gets a fresh name of its own.
    std::filesystem::remove(path_);
    std::filesystem::create_directory(path_ + ".tmp");
    gw::writeFileAtomically(path_, "x");
    EXPECT_TRUE(std::filesystem::is_directory(path_ + ".tmp"));
    EXPECT_EQ(contents(), "x");
}

// A named pipe with its reading end held open by the test, so a write that
// wrongly goes into it cannot block the test but shows up at that end.
class Pipe {
public:
    explicit Pipe(const std::string &path)
    {
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
        EXPECT_GE(fd_, 0);
    }
    ~Pipe() { ::close(fd_); }
    std::string received() const
    {
        char buffer[256];
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    }

private:
    int fd_ = -1;
};

TEST_F(SaveFile, OnlyARegularFileIsEverWritten)
{
    {
        // A pipe in the file's place: refused at once, never written into.
        const Pipe pipe(path_);
        EXPECT_THROW(gw::writeFileAtomically(path_, "game"), gw::GameError);
        EXPECT_EQ(pipe.received(), "");
        EXPECT_EQ(std::filesystem::status(path_).type(), std::filesystem::file_type::fifo);
    }
    std::filesystem::remove(path_);
    {
        // A pipe under the old temporary name is left alone.
        const Pipe pipe(path_ + ".tmp");
        gw::writeFileAtomically(path_, "game");
        EXPECT_EQ(pipe.received(), "");
        EXPECT_EQ(contents(), "game");
        EXPECT_EQ(std::filesystem::status(path_ + ".tmp").type(), std::filesystem::file_type::fifo);
    }
    std::filesystem::remove(path_ + ".tmp");
    std::filesystem::remove(path_);

    // A link to a regular file stays a link; its file is replaced.
    const std::string real = (dir_ / "real.gws").string();
    gw::writeFileAtomically(real, "old");
    std::filesystem::create_symlink(real, path_);
    gw::writeFileAtomically(path_, "new");
    EXPECT_TRUE(std::filesystem::is_symlink(path_));
    EXPECT_EQ(gw::readFileBytes(real), "new");
    std::filesystem::remove(path_);

    // A link round in a loop, or to a device, is not followed.
    std::filesystem::create_symlink(path_, path_);
    EXPECT_THROW(gw::writeFileAtomically(path_, "x"), gw::GameError);
    std::filesystem::remove(path_);
    std::filesystem::create_symlink("/dev/null", path_);
    EXPECT_THROW(gw::writeFileAtomically(path_, "x"), gw::GameError);
    EXPECT_TRUE(std::filesystem::is_symlink(path_));
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"real.gws", "savegame.gws"}));

    // Nor is a pipe ever read: it is no file of ours.
    std::filesystem::remove(path_);
    const Pipe pipe(path_);
    EXPECT_THROW(gw::readFileBytes(path_), gw::GameError);
}

TEST_F(SaveFile, ABadFileIsSetAsideUnderItsBadName)
{
    gw::writeFileAtomically(path_, "old bad");
    gw::writeFileAtomically(path_ + ".bad", "older bad");
    gw::writeFileAtomically(path_, "bad");
    ASSERT_TRUE(gw::setFileAside(path_));
    EXPECT_FALSE(gw::fileExists(path_));
    EXPECT_EQ(gw::readFileBytes(path_ + ".bad"), "bad");
    EXPECT_FALSE(gw::setFileAside(path_)) << "nothing left to move";
    EXPECT_TRUE(gw::removeFile(path_ + ".bad"));
    EXPECT_TRUE(gw::removeFile(path_)) << "a file that is not there is gone";
}

} // namespace
