// SPDX-License-Identifier: MIT
#include "core/cells.h"
#include "core/gameerror.h"
#include "core/gamestate.h"
#include "core/textfile.h"
#include "map/mapfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using Lines = std::vector<std::string>;

TEST(Cells, NumberingMatchesRowsAndColumns)
{
    EXPECT_EQ(gw::cellNumber(0, 0), 1);
    EXPECT_EQ(gw::cellNumber(0, 19), 20);
    EXPECT_EQ(gw::cellNumber(10, 0), 201);
    EXPECT_EQ(gw::cellNumber(10, 19), 220);
    for (int n = 1; n <= gw::kCells; ++n)
        EXPECT_EQ(gw::cellNumber(gw::cellRow(n), gw::cellColumn(n)), n);
    EXPECT_EQ(gw::cellRow(21), 1);
    EXPECT_EQ(gw::cellColumn(21), 0);
}

TEST(Cells, LandTableLooksUpExactFreeStatesOnly)
{
    struct Row {
        const char *state;
        int32_t price, tax;
    };
    const Row rows[] = {
        {"None_Grass", 50, 10},  {"None_Sand", 50, 10},    {"None_Forest", 50, 10},
        {"None_Road", 50, 10},   {"None_Water", 100, 50},  {"None_Flowers", 100, 50},
        {"None_Wood", 100, 50},  {"None_Heliport", 150, 75}, {"None_Oasis", 250, 100},
        {"None_Farm", 250, 100}, {"None_SkyScraper", 500, 250},
    };
    for (const Row &r : rows) {
        const gw::Terrain *t = gw::freeTerrain(r.state);
        ASSERT_NE(t, nullptr) << r.state;
        EXPECT_EQ(t->price, r.price) << r.state;
        EXPECT_EQ(t->tax, r.tax) << r.state;
        EXPECT_EQ(gw::freeState(*t), r.state);
        EXPECT_EQ(gw::playerState(*t), std::string("Red_") + (r.state + 5));
        EXPECT_EQ(gw::opponentState(*t), std::string("Blue_") + (r.state + 5));
    }
    for (const char *s : {"Red_Farm", "Blue_Grass", "Blue_Base", "None_Skyscraper", "none_Grass",
                          "None_", "None_Grass ", "", "None", "Red_Base"})
        EXPECT_EQ(gw::freeTerrain(s), nullptr) << s;
    EXPECT_EQ(gw::cellPicturePath("Red_SkyScraper"), "images\\Red_SkyScraper.bmp");
    EXPECT_EQ(gw::cellPicturePath(""), "images\\.bmp");
}

Lines mapLines(const std::string &tax230, const std::string &tax231, std::size_t count = 232)
{
    Lines lines(count);
    for (int n = 1; n <= 220 && static_cast<std::size_t>(n) < count; ++n)
        lines[static_cast<std::size_t>(n)] = n == 10 ? "Blue_Base" : "None_Grass";
    if (count > 230)
        lines[230] = tax230;
    if (count > 231)
        lines[231] = tax231;
    return lines;
}

std::string errorOf(const Lines &lines)
{
    try {
        gw::parseMap("maps\\skirmish\\T.gwm", lines);
    } catch (const gw::GameError &e) {
        return e.what();
    }
    return "";
}

TEST(MapParsing, TaxLinesFollowTheIntegerRule)
{
    EXPECT_EQ(gw::parseMap("p", mapLines(" 120", "80")).taxes, 120);
    EXPECT_EQ(gw::parseMap("p", mapLines("-50", "80")).taxes, -50);
    EXPECT_EQ(gw::parseMap("p", mapLines("10", "$64")).enemytaxes, 100);
    EXPECT_EQ(errorOf(mapLines("120 ", "80")), "'120 ' ist kein gültiger Integerwert");
    EXPECT_EQ(errorOf(mapLines("120", "")), "'' ist kein gültiger Integerwert");
    // 231 lines: line 231 is missing and reads as empty text.
    EXPECT_EQ(errorOf(mapLines("120", "80", 231)), "'' ist kein gültiger Integerwert");
    // 230 lines: line 230 fails first.
    EXPECT_EQ(errorOf(mapLines("120", "80", 230)), "'' ist kein gültiger Integerwert");
}

TEST(MapParsing, KeepsEveryLineAndLineZeroIsFree)
{
    Lines lines = mapLines("1", "2", 240);
    lines[0] = "anything at all";
    lines[225] = "free";
    lines[239] = "extra";
    const gw::LoadedMap map = gw::parseMap("p", lines);
    EXPECT_EQ(map.lines, lines);
    EXPECT_EQ(map.cell(10), "Blue_Base");
    EXPECT_EQ(map.cell(1000), "");
}

TEST(MapPaths, AreBuiltWithBackslashesAndBlanksKept)
{
    EXPECT_EQ(gw::mapPath("Big City Crisis"), "maps\\skirmish\\Big City Crisis.gwm");
    // Every other name is one of the player's own maps.
    EXPECT_EQ(gw::mapPath("Meine Karte"), "mymaps\\Meine Karte.gwm");
    EXPECT_EQ(gw::mapPath("gestrandet"), "mymaps\\gestrandet.gwm");
    EXPECT_EQ(gw::mapPreviewPath("Gestrandet"), "maps\\skirmish\\Gestrandet.bmp");
    EXPECT_EQ(gw::shippedMapNames(), (Lines{"Mittelmeer", "Big City Crisis", "Gestrandet"}));
}

class MapFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("grimsward-map-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "maps" / "skirmish");
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
    }
    void TearDown() override
    {
        std::filesystem::current_path(old_);
        std::filesystem::remove_all(dir_);
    }
    // Where the game looks for a map of this name: the shipped folder or the
    // player's own.
    static void writeMap(const std::string &name, const Lines &lines)
    {
        const std::filesystem::path file = gw::nativePath(gw::mapPath(name));
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << gw::joinLines(lines);
    }

private:
    std::filesystem::path dir_, old_;
};

TEST_F(MapFiles, MissingFileNamesTheBackslashPath)
{
    const std::pair<const char *, const char *> rows[] = {
        {"Gestrandet", "Datei maps\\skirmish\\Gestrandet.gwm kann nicht geöffnet werden"},
        {"Nirgendwo", "Datei mymaps\\Nirgendwo.gwm kann nicht geöffnet werden"},
        {"K\xc3\xbcste", "Datei mymaps\\K\xc3\xbcste.gwm kann nicht geöffnet werden"},
    };
    for (const auto &[name, message] : rows) {
        try {
            gw::readMap(name);
            ADD_FAILURE() << name;
        } catch (const gw::GameError &e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

TEST_F(MapFiles, NameWithBlanksLoads)
{
    writeMap("Big City Crisis", mapLines("130", "70"));
    const gw::LoadedMap map = gw::readMap("Big City Crisis");
    EXPECT_EQ(map.path, "maps\\skirmish\\Big City Crisis.gwm");
    EXPECT_EQ(map.taxes, 130);
    EXPECT_EQ(map.enemytaxes, 70);
}

TEST_F(MapFiles, FailedReadLeavesTheRecordUntouched)
{
    gw::GameState s;
    s.cash = 17;
    s.rounds = 9;
    s.memgame.setLine(1, "Red_Farm");
    const gw::GameState before = s;
    writeMap("Kaputt", mapLines("120 ", "80"));
    for (const char *name : {"Kaputt", "Fehlt"}) {
        try {
            gw::applyMap(s, gw::readMap(name));
            FAIL() << name;
        } catch (const gw::GameError &) {
        }
        EXPECT_EQ(s.cash, before.cash);
        EXPECT_EQ(s.rounds, before.rounds);
        EXPECT_EQ(s.memgame, before.memgame);
        EXPECT_EQ(s.memtemp, before.memtemp);
    }
}

TEST(MapApplying, SetsTheStartingPositionAndNothingElse)
{
    gw::GameState s;
    // Leftovers of an earlier game.
    s.rounds = 12;
    s.cash = -3;
    s.enemycash = 99999;
    s.recruits = s.mgs = s.rifles = s.mortars = s.specpacks = 4;
    s.infantry = s.snipers = s.mortarcrews = s.specialunits = 5;
    s.towers = s.bunkers = s.minefields = 6;
    s.enemyrecruits = s.enemymgs = s.enemyrifles = s.enemymortars = s.enemyspecpacks = 7;
    s.enemyinfantry = s.enemysnipers = s.enemymortarcrews = s.enemyspecialunits = 8;
    s.enemytowers = s.enemybunkers = s.enemyminefields = 9;
    s.basehp = -20;
    s.enemybasehp = 0;
    s.fieldmode = 2;
    s.costslot3 = 300;
    s.offense = 11;
    s.defense = 12;
    s.enemytarget = 33;
    s.cellstate = "Red_Sand";
    s.menustate = 2;

    Lines lines = mapLines("$64", "-5", 235);
    lines[0] = "Titel";
    lines[233] = "rides along";
    gw::applyMap(s, gw::parseMap("p", lines));

    EXPECT_EQ(s.rounds, 0);
    EXPECT_EQ(s.taxes, 100);
    EXPECT_EQ(s.enemytaxes, -5);
    EXPECT_EQ(s.cash, 1000);
    EXPECT_EQ(s.enemycash, 1000);
    EXPECT_EQ(s.basehp, 100);
    EXPECT_EQ(s.enemybasehp, 100);
    for (int32_t v : {s.recruits, s.mgs, s.rifles, s.mortars, s.specpacks, s.infantry, s.snipers,
                      s.mortarcrews, s.specialunits, s.towers, s.bunkers, s.minefields,
                      s.enemyrecruits, s.enemymgs, s.enemyrifles, s.enemymortars, s.enemyspecpacks,
                      s.enemyinfantry, s.enemysnipers, s.enemymortarcrews, s.enemyspecialunits,
                      s.enemytowers, s.enemybunkers, s.enemyminefields})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(s.memgame.lines(), lines);
    EXPECT_EQ(s.memgame.line(0), "Titel");
    EXPECT_EQ(s.memgame.line(233), "rides along");
    EXPECT_EQ(s.fieldactive, 1);
    // Left alone.
    EXPECT_EQ(s.fieldmode, 2);
    EXPECT_EQ(s.costslot3, 300);
    EXPECT_EQ(s.offense, 11);
    EXPECT_EQ(s.defense, 12);
    EXPECT_EQ(s.enemytarget, 33);
    EXPECT_EQ(s.cellstate, "Red_Sand");
    EXPECT_EQ(s.menustate, 2);
}

TEST(GameStateRecord, StartsEmpty)
{
    const gw::GameState s;
    EXPECT_EQ(s.memgame.size(), 1000u);
    EXPECT_EQ(s.memtemp.size(), 50u);
    EXPECT_EQ(s.fieldactive, 0);
    EXPECT_EQ(s.menustate, 0);
    EXPECT_EQ(s.cash, 0);
    EXPECT_TRUE(s.cellstate.empty());
}

} // namespace

#include "core/bitmapcheck.h"

namespace {

// A 3 x 2 bitmap at 24 bits: rows of 9 bytes padded to 12.
std::string bitmap(int32_t width, int32_t height, uint16_t bits, uint32_t compression, std::size_t pixelBytes)
{
    std::string b(54, '\0');
    auto put32 = [&b](std::size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    b[26] = 1;
    b[28] = static_cast<char>(bits);
    put32(30, compression);
    return b + std::string(pixelBytes, '\x7f');
}

TEST(BitmapCheck, UncompressedRowsMustAllBeThere)
{
    EXPECT_TRUE(gw::bitmapRowsComplete(bitmap(3, 2, 24, 0, 24)));
    EXPECT_FALSE(gw::bitmapRowsComplete(bitmap(3, 2, 24, 0, 23)));
    EXPECT_TRUE(gw::bitmapRowsComplete(bitmap(3, -2, 24, 0, 24))); // top-down rows
    EXPECT_FALSE(gw::bitmapRowsComplete(bitmap(3, -2, 24, 0, 12)));
    EXPECT_TRUE(gw::bitmapRowsComplete(bitmap(35, 35, 24, 0, 108 * 35)));
    EXPECT_FALSE(gw::bitmapRowsComplete(bitmap(35, 35, 24, 0, 108 * 34)));
    EXPECT_FALSE(gw::bitmapRowsComplete(bitmap(65535, 65535, 24, 0, 100))); // claims a giant picture
    // Row bytes times rows beyond 64 bits: refused, not overflowed.
    EXPECT_FALSE(gw::bitmapRowsComplete(bitmap(0x7fffffff, 0x7fffffff, 32, 0, 100)));
    EXPECT_FALSE(gw::bitmapRowsComplete(bitmap(0x7fffffff, -0x7fffffff, 0xffff, 3, 100)));
    EXPECT_TRUE(gw::bitmapRowsComplete(bitmap(32, 32, 4, 0, 16 * 32)));
    // What cannot be checked here is left to the decoder.
    EXPECT_TRUE(gw::bitmapRowsComplete(bitmap(3, 2, 8, 1, 2))); // run-length coded
    EXPECT_TRUE(gw::bitmapRowsComplete("BM"));
    EXPECT_TRUE(gw::bitmapRowsComplete("not a bitmap at all, but long enough to hold a header of fifty-four bytes"));
}

} // namespace
