// SPDX-License-Identifier: MIT
#include "core/safefile.h"

#include "core/gameerror.h"
#include "core/textfile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gw {

namespace {

// Where the bytes must go: the path itself, or the regular file a symbolic
// link at the path names (the link stays a link). Empty when the path holds
// anything but a regular file, or a link that leads nowhere sound (to a
// pipe, a device, a directory, round in a loop).
std::string regularTarget(const std::string &path, Links links)
{
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0)
        return errno == ENOENT ? path : std::string();
    if (S_ISREG(link.st_mode))
        return path;
    if (!S_ISLNK(link.st_mode))
        return {};
    // The link itself goes; nothing outside the folder is touched.
    if (links == Links::Replace)
        return path;
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) {
        // A dangling link is not followed: the new file would land wherever
        // it points.
        return {};
    }
    if (!S_ISREG(target.st_mode))
        return {};
    char *resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string real(resolved);
    std::free(resolved);
    return real;
}

// Removes the temporary files an earlier write of the path left behind (a
// kill between making one and renaming it): regular files named path +
// ".tmp." and six letters or digits, as mkostemp makes them. Anything else
// of such a name (a pipe, a link, a folder) is left alone.
void removeStaleTemporaries(const std::string &path)
{
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string prefix = (slash == std::string::npos ? path : path.substr(slash + 1)) + ".tmp.";
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0 ||
            !std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                         [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }))
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// Writes every byte and flushes it to the disk.
bool writeAll(int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0;
}

// The permissions a new file gets from the process's umask.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

} // namespace

void writeFileAtomically(const std::string &programPath, const std::string &bytes, Links links)
{
    if (programPath.find('\0') != std::string::npos)
        throw GameError::cannotCreate(programPath);
    // Only ever into a regular file: a pipe or a device in the file's place
    // would block the game or swallow the bytes.
    const std::string path = regularTarget(nativePath(programPath), links);
    if (path.empty())
        throw GameError::cannotCreate(programPath);

    removeStaleTemporaries(path);
    // The temporary file has a fresh name and is made by this call alone, so
    // whatever else lies beside the file is never opened.
    std::string name = path + ".tmp.XXXXXX";
    std::vector<char> pattern(name.begin(), name.end());
    pattern.push_back('\0');
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        throw GameError::cannotCreate(programPath);
    const std::string temporary(pattern.data());
    struct stat old {};
    const bool kept = ::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const mode_t mode = kept ? (old.st_mode & 07777) : newFileMode();
    bool ok = ::fchmod(fd, mode) == 0;
    ok = writeAll(fd, bytes) && ok;
    ok = ::close(fd) == 0 && ok;
    // The rename is the one step that replaces the old file; until it is
    // done, the old file is whole.
    if (!ok || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw GameError::cannotCreate(programPath);
    }
}

namespace {
// Names kept aside before a file is left where it is.
constexpr int kMaxAsideNames = 1000;
std::string asideCandidate(const std::string &programPath, int n)
{
    return programPath + ".bad" + (n == 1 ? std::string() : "." + std::to_string(n));
}
} // namespace

std::string asideName(const std::string &programPath)
{
    for (int n = 1; n <= kMaxAsideNames; ++n) {
        if (!fileExists(asideCandidate(programPath, n)))
            return asideCandidate(programPath, n);
    }
    return {};
}

std::string setFileAside(const std::string &programPath)
{
    const std::string path = nativePath(programPath);
    for (int n = 1; n <= kMaxAsideNames; ++n) {
        const std::string aside = asideCandidate(programPath, n);
        // Renamed only where nothing is yet, without a moment in which an
        // older one could be replaced; where the file system cannot rename
        // so, a second name is made and the first removed.
        const std::string target = nativePath(aside);
        int done = ::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE);
        if (done != 0 && errno == EINVAL) {
            done = ::link(path.c_str(), target.c_str());
            if (done == 0)
                ::unlink(path.c_str());
        }
        if (done == 0)
            return aside;
        if (errno != EEXIST)
            return {};
    }
    return {};
}

bool removeFile(const std::string &programPath)
{
    std::error_code ec;
    std::filesystem::remove(nativePath(programPath), ec);
    return !ec;
}

bool fileExists(const std::string &programPath)
{
    std::error_code ec;
    const auto type = std::filesystem::symlink_status(nativePath(programPath), ec).type();
    return type != std::filesystem::file_type::not_found && type != std::filesystem::file_type::none;
}

bool isLink(const std::string &programPath)
{
    struct stat info {};
    return ::lstat(nativePath(programPath).c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool isRegularFile(const std::string &programPath)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(nativePath(programPath), ec);
}

} // namespace gw
