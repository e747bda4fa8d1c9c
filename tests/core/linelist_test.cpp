// SPDX-License-Identifier: MIT
#include "core/gameerror.h"
#include "core/linelist.h"
#include "core/options.h"
#include "core/textfile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Lines = std::vector<std::string>;

TEST(LineSplitting, EveryLineEndingEndsALine)
{
    EXPECT_EQ(gw::splitLines(""), Lines{});
    EXPECT_EQ(gw::splitLines("a"), Lines{"a"});
    EXPECT_EQ(gw::splitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(gw::splitLines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(gw::splitLines("a\rb\r"), (Lines{"a", "b"}));
    // Mixed endings; LF CR is two endings, CR LF one.
    EXPECT_EQ(gw::splitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(gw::splitLines("a\n\rb"), (Lines{"a", "", "b"}));
    // Empty lines are kept.
    EXPECT_EQ(gw::splitLines("\r\n\r\nx\r\n\r\n"), (Lines{"", "", "x", ""}));
    EXPECT_EQ(gw::splitLines("\n"), Lines{""});
    // Bytes other than CR and LF, NUL included, belong to the line.
    EXPECT_EQ(gw::splitLines(std::string("a\0b\nc", 5)), (Lines{std::string("a\0b", 3), "c"}));
}

TEST(LineSplitting, JoinWritesCrLfAndReadsBack)
{
    const Lines lines{"", "eins", " zwei ", ""};
    EXPECT_EQ(gw::joinLines(lines), "\r\neins\r\n zwei \r\n\r\n");
    EXPECT_EQ(gw::splitLines(gw::joinLines(lines)), lines);
}

TEST(LineList, ReadsAndWritesOnlyInsideTheList)
{
    gw::LineList list(3);
    EXPECT_EQ(list.size(), 3u);
    list.setLine(2, "last");
    list.setLine(3, "past the end");
    list.setLine(100000, "far past the end");
    EXPECT_EQ(list.size(), 3u);
    EXPECT_EQ(list.line(2), "last");
    EXPECT_EQ(list.line(3), "");
    EXPECT_EQ(list.line(static_cast<std::size_t>(-1)), "");

    list.replace({"a"});
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(list.line(0), "a");
    EXPECT_EQ(list.line(1), "");
}

class TempDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("grimsward-core-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "sub");
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
    }
    void TearDown() override
    {
        std::filesystem::current_path(old_);
        std::filesystem::remove_all(dir_);
    }
    static void write(const std::string &path, const std::string &bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path dir_, old_;
};

using TextFiles = TempDir;

TEST_F(TextFiles, BackslashPathsOpenAndErrorsShowThem)
{
    write("sub/file.txt", "one\r\ntwo");
    EXPECT_EQ(gw::readLines("sub\\file.txt"), (Lines{"one", "two"}));
    try {
        gw::readLines("sub\\missing.txt");
        FAIL();
    } catch (const gw::GameError &e) {
        EXPECT_EQ(std::string(e.what()), "Datei sub\\missing.txt kann nicht geöffnet werden");
    }
    // A directory is not a file to read.
    EXPECT_THROW(gw::readLines("sub"), gw::GameError);
}

TEST_F(TextFiles, HugeFilesAreRefusedNotSwallowed)
{
    write("big.txt", std::string(4096, 'x'));
    EXPECT_THROW(gw::readFileBytes("big.txt", 4095), gw::GameError);
    EXPECT_EQ(gw::readFileBytes("big.txt", 4096).size(), 4096u);
}

TEST_F(TextFiles, WriteFailureIsTheCreateError)
{
    try {
        gw::writeLines("nodir\\x.cfg", {"a"});
        FAIL();
    } catch (const gw::GameError &e) {
        EXPECT_EQ(std::string(e.what()), "Datei nodir\\x.cfg kann nicht erstellt werden");
    }
}

using OptionsFiles = TempDir;

TEST_F(OptionsFiles, MissingFileSavesFiftyLines)
{
    gw::OptionsFile options;
    EXPECT_THROW(options.load(), gw::GameError);
    options.save("Gestrandet", 1, 0, "en");
    const Lines saved = gw::readLines("options.cfg");
    ASSERT_EQ(saved.size(), 50u);
    EXPECT_EQ(saved[0], "Gestrandet");
    EXPECT_EQ(saved[1], "1");
    EXPECT_EQ(saved[2], "0");
    EXPECT_EQ(saved[3], "en");
    EXPECT_EQ(saved[4], "");
}

TEST_F(OptionsFiles, KeepsItsOwnLinesAndReadsTheSwitches)
{
    write("options.cfg", "Mittelmeer\r\n1\r\n 0\r\nen\r\nkeep me\r\n");
    gw::OptionsFile options;
    options.load();
    EXPECT_EQ(options.musicSwitch(), 1);
    EXPECT_EQ(options.soundSwitch(), 0);
    EXPECT_EQ(options.language(), "en");
    options.save("Big City Crisis", 0, 1, "de");
    EXPECT_EQ(gw::readLines("options.cfg"), (Lines{"Big City Crisis", "0", "1", "de", "keep me"}));
}

TEST_F(OptionsFiles, BadOrMissingSwitchLinesRaiseTheIntegerError)
{
    write("options.cfg", "x\r\nan\r\n");
    gw::OptionsFile options;
    options.load();
    EXPECT_THROW(options.musicSwitch(), gw::GameError);
    try {
        options.soundSwitch();
        FAIL();
    } catch (const gw::GameError &e) {
        EXPECT_EQ(std::string(e.what()), "'' ist kein gültiger Integerwert");
    }
    // A short file grows to hold both switches and the language when saved.
    write("options.cfg", "");
    options.load();
    options.save("Mittelmeer", 1, 1, "de");
    EXPECT_EQ(gw::readLines("options.cfg"), (Lines{"Mittelmeer", "1", "1", "de"}));
}

TEST_F(OptionsFiles, UnwritableFileKeepsTheNewValuesInMemory)
{
    std::filesystem::create_directory("options.cfg"); // a directory cannot be written as a file
    gw::OptionsFile options;
    EXPECT_THROW(options.save("Mittelmeer", 1, 0, "de"), gw::GameError);
    EXPECT_EQ(options.lines().line(1), "1");
}

TEST_F(OptionsFiles, AWriteThatFailsMidwayLeavesTheOldFileWhole)
{
    write("options.cfg", "Gestrandet\r\n1\r\n1\r\nen\r\n");
    gw::OptionsFile options;
    options.load();
    options.setSetting("note", std::string(8000, 'x'));
    // A disk that fills up after 1000 bytes.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_THROW(options.save("Mittelmeer", 0, 0, "de"), gw::GameError);
    EXPECT_THROW(options.rememberMap("Mittelmeer"), gw::GameError);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(gw::readLines("options.cfg"), (Lines{"Gestrandet", "1", "1", "en"}));
}

TEST_F(OptionsFiles, APipeInTheFilesPlaceIsNeverWaitedForNorWritten)
{
    ASSERT_EQ(::mkfifo("options.cfg", 0600), 0);
    // The test holds the reading end, so a write into the pipe would not
    // block it but show up here.
    const int reader = ::open("options.cfg", O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    gw::OptionsFile options;
    EXPECT_THROW(options.load(), gw::GameError);
    EXPECT_THROW(options.save("Mittelmeer", 1, 1, "de"), gw::GameError);
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0);
    ::close(reader);
    EXPECT_EQ(std::filesystem::status("options.cfg").type(), std::filesystem::file_type::fifo);
}

TEST_F(OptionsFiles, SettingsAfterTheLanguageLineInAnyOrderAndUnknownOnesKept)
{
    write("options.cfg", "Mittelmeer\r\n1\r\n0\r\nen\r\nzoom=2\r\nlevel=1\r\n\r\nmy note\r\n");
    gw::OptionsFile options;
    options.load();
    EXPECT_EQ(options.setting("level"), "1");
    EXPECT_EQ(options.setting("zoom"), "2");
    EXPECT_EQ(options.setting("window"), "");
    EXPECT_EQ(options.setting("Mittelmeer"), "") << "lines 0 to 3 are never settings";
    options.setSetting("level", "2");
    options.setSetting("window", "150");
    options.save("Gestrandet", 1, 0, "en");
    // The key's own line, then the first empty line, then the end.
    EXPECT_EQ(gw::readLines("options.cfg"),
              (Lines{"Gestrandet", "1", "0", "en", "zoom=2", "level=2", "window=150", "my note"}));
    options.setSetting("volume", "50");
    options.save("Gestrandet", 1, 0, "en");
    EXPECT_EQ(gw::readLines("options.cfg").back(), "volume=50");

    // An old file of three lines grows a language line before its settings.
    write("options.cfg", "Mittelmeer\r\n1\r\n1\r\n");
    options.load();
    options.setSetting("level", "1");
    options.save("Mittelmeer", 1, 1, "de");
    EXPECT_EQ(gw::readLines("options.cfg"), (Lines{"Mittelmeer", "1", "1", "de", "level=1"}));
}

} // namespace

namespace {

using NulPaths = TempDir;

TEST_F(NulPaths, ANulByteInANameNeverOpensAnotherFile)
{
    write("images_None_Gr", "a file whose name is the part before the NUL");
    const std::string path("images_None_Gr\0ass.bmp", 22);
    EXPECT_THROW(gw::readFileBytes(path), gw::GameError);
    EXPECT_THROW(gw::writeLines(path, {"x"}), gw::GameError);
}

} // namespace
