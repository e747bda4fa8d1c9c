// SPDX-License-Identifier: MIT
// The player's own maps: their names, the writer, the taxes of the land
// each side owns, and the folder's list.
#include "core/gameerror.h"
#include "core/linelist.h"
#include "core/textfile.h"
#include "map/mapfile.h"
#include "map/mapwriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using Lines = std::vector<std::string>;

TEST(OwnMapNames, EveryRefusalHasItsReason)
{
    using P = gw::MapNameProblem;
    const std::pair<std::string, P> refused[] = {
        {"", P::Empty},
        {"   ", P::Empty},
        {std::string(41, 'x'), P::TooLong},
        {"a/b", P::PathSeparator},
        {"a\\b", P::PathSeparator},
        {"a\tb", P::ControlCharacter},
        {std::string("a\0b", 3), P::ControlCharacter},
        {"Karte\r\n", P::ControlCharacter},
        {"a\x7f", P::ControlCharacter},
        {"a\xc2\x85", P::ControlCharacter}, // U+0085, the next-line control
        {".", P::OnlyDots},
        {"..", P::OnlyDots},
        {"...", P::OnlyDots},
        {"Mittelmeer", P::Shipped},
        {"mittelmeer", P::Shipped},
        {"BIG CITY CRISIS", P::Shipped},
        {"K\xfcste", P::NotText},  // Latin-1, not UTF-8
        {"\xc0\xae", P::NotText},  // an overlong "."
        {"Karte\xe2\x82", P::NotText}, // cut off
    };
    for (const auto &[name, problem] : refused)
        EXPECT_EQ(gw::ownMapNameProblem(name), problem) << name;
    std::string umlauts;
    for (int i = 0; i < 40; ++i)
        umlauts += "\xc3\xa4"; // 40 characters in 80 bytes
    for (const std::string &name : {std::string("Meine Karte"), std::string("K\xc3\xbcste"), std::string(40, 'x'),
                                    umlauts, std::string("a.b"), std::string("..a"), std::string("Mittelmeer 2")})
        EXPECT_EQ(gw::ownMapNameProblem(name), P::None) << name;
}

TEST(MapWriter, WritesEachShippedMapByteForByteWithTheTaxesOfItsOwnedLand)
{
    for (const std::string &name : gw::shippedMapNames()) {
        const std::string file = std::string(GRIMSWARD_SOURCE_DIR) + "/data/maps/skirmish/" + name + ".gwm";
        const gw::LoadedMap shipped = gw::parseMap(name, gw::readLines(file));
        gw::MapDraft draft;
        draft.name = name;
        draft.cells = gw::cellsOf(shipped);
        draft.taxes = gw::ownedLandTaxes(draft.cells, gw::Side::Red);
        draft.enemytaxes = gw::ownedLandTaxes(draft.cells, gw::Side::Blue);
        EXPECT_EQ(draft.taxes, shipped.taxes) << name;
        EXPECT_EQ(draft.enemytaxes, shipped.enemytaxes) << name;
        EXPECT_EQ(gw::joinLines(gw::mapFileLines(draft)), gw::readFileBytes(file)) << name;
    }
}

TEST(MapWriter, BasesAndStatesWithoutATerrainPayNoTaxes)
{
    gw::MapCells cells = gw::filledCells("None_SkyScraper");
    cells[1] = "Red_Base";
    cells[2] = "Blue_Base";
    cells[3] = "Red_Lava";
    cells[4] = "Red_SkyScraper";
    cells[5] = "Blue_Farm";
    cells[6] = "Blue_Farm";
    EXPECT_EQ(gw::ownedLandTaxes(cells, gw::Side::Red), 250);
    EXPECT_EQ(gw::ownedLandTaxes(cells, gw::Side::Blue), 200);
    EXPECT_TRUE(gw::hasOpponentBase(cells));
    cells[2] = "Blue_Sand";
    EXPECT_FALSE(gw::hasOpponentBase(cells));
}

// A working directory of its own, empty at the start.
class OwnMapFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("grimsward-ownmap-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
    }
    void TearDown() override
    {
        std::filesystem::current_path(old_);
        std::filesystem::remove_all(dir_);
    }
    // A small but complete map file where the game looks for this name.
    static void writeMap(const std::string &name)
    {
        gw::MapDraft draft;
        draft.name = name;
        draft.cells = gw::filledCells("None_Grass");
        const std::filesystem::path file = gw::nativePath(gw::mapPath(name));
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << gw::joinLines(gw::mapFileLines(draft));
    }

private:
    std::filesystem::path dir_, old_;
};

TEST_F(OwnMapFiles, AnOwnMapGoesIntoTheFolderItMakesAndNeverOverAShippedOne)
{
    gw::MapDraft draft;
    draft.name = "K\xc3\xbcste";
    draft.cells = gw::filledCells("None_Water");
    draft.cells[1] = "Red_Base";
    draft.cells[220] = "Blue_Base";
    draft.taxes = -5;
    draft.enemytaxes = 2147483647;
    gw::writeOwnMap(draft);
    EXPECT_TRUE(std::filesystem::is_directory("mymaps"));
    ASSERT_TRUE(gw::mapFileExists(draft.name));
    const gw::LoadedMap map = gw::readMap(draft.name);
    EXPECT_EQ(map.path, "mymaps\\K\xc3\xbcste.gwm");
    EXPECT_EQ(gw::cellsOf(map), draft.cells);
    EXPECT_EQ(map.taxes, -5);
    EXPECT_EQ(map.enemytaxes, 2147483647);

    writeMap("Mittelmeer");
    const std::string shipped = gw::readFileBytes("maps\\skirmish\\Mittelmeer.gwm");
    for (const char *name : {"Mittelmeer", "mittelmeer", "../maps/skirmish/Mittelmeer"}) {
        draft.name = name;
        EXPECT_THROW(gw::writeOwnMap(draft), gw::GameError) << name;
        EXPECT_FALSE(gw::removeOwnMap(name)) << name;
    }
    EXPECT_EQ(gw::readFileBytes("maps\\skirmish\\Mittelmeer.gwm"), shipped);
    // A name the rules refuse is never opened, though a file lies there.
    EXPECT_FALSE(gw::mapFileExists("../maps/skirmish/Mittelmeer"));
    EXPECT_THROW(gw::readMap("../maps/skirmish/Mittelmeer"), gw::GameError);

    EXPECT_TRUE(gw::removeOwnMap("K\xc3\xbcste"));
    EXPECT_FALSE(gw::mapFileExists("K\xc3\xbcste"));
}

TEST_F(OwnMapFiles, TheListHoldsEveryUsableOwnMapSortedByName)
{
    EXPECT_TRUE(gw::listOwnMaps().empty()) << "no folder yet";
    for (const char *name : {"zebra", "Anton", "berta", "K\xfcste"})
        writeMap(name);
    std::ofstream("mymaps/Mittelmeer.gwm") << "x";
    std::ofstream("mymaps/gestrandet.gwm") << "x";
    std::ofstream("mymaps/..gwm") << "x";
    std::ofstream("mymaps/notes.txt") << "x";
    std::ofstream("mymaps/.gwm") << "x";
    std::filesystem::create_directory("mymaps/Ordner.gwm");
    std::filesystem::create_symlink("Anton.gwm", "mymaps/Verweis.gwm");
    std::filesystem::create_symlink("nirgends.gwm", "mymaps/Tot.gwm");
    EXPECT_EQ(gw::listOwnMaps(), (Lines{"Anton", "berta", "Verweis", "zebra"}));
}

} // namespace
