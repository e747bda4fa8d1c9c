// SPDX-License-Identifier: MIT
// The saved game's file on the disk: a replaced file is never half-written,
// only a regular file is written, and a damaged one is set aside.
#include "core/gameerror.h"
#include "core/safefile.h"
#include "core/savegame.h"
#include "core/textfile.h"
#include "savesample.h"

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

using gw::test::sampleGame;

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
    ASSERT_EQ(gw::setFileAside(path_), path_ + ".bad.2") << "the older one is kept";
    EXPECT_FALSE(gw::fileExists(path_));
    EXPECT_EQ(gw::readFileBytes(path_ + ".bad"), "older bad");
    EXPECT_EQ(gw::readFileBytes(path_ + ".bad.2"), "bad");
    EXPECT_EQ(gw::setFileAside(path_), "") << "nothing left to move";
    EXPECT_TRUE(gw::removeFile(path_ + ".bad"));
    EXPECT_TRUE(gw::removeFile(path_ + ".bad.2"));
    EXPECT_TRUE(gw::removeFile(path_)) << "a file that is not there is gone";
}

} // namespace
