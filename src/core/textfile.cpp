// SPDX-License-Identifier: MIT
#include "core/textfile.h"

#include "core/gameerror.h"
#include "core/linelist.h"
#include "core/safefile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gw {

std::string nativePath(const std::string &programPath)
{
    std::string p = programPath;
    for (char &c : p) {
        if (c == '\\')
            c = '/';
    }
    return p;
}

std::string readFileBytes(const std::string &programPath, std::size_t maxBytes)
{
    // A NUL byte (from a map line, say) would cut the name short and open
    // some other file.
    if (programPath.find('\0') != std::string::npos)
        throw GameError::cannotOpen(programPath);
    const std::string path = nativePath(programPath);
    // Opened without waiting, so a pipe in the file's place cannot block the
    // game; only a regular file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw GameError::cannotOpen(programPath);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || static_cast<std::size_t>(info.st_size) > maxBytes) {
        ::close(fd);
        throw GameError::cannotOpen(programPath);
    }
    std::string bytes;
    char buffer[65536];
    bool failed = false;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            failed = true;
        if (got <= 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > maxBytes) {
            failed = true;
            break;
        }
    }
    ::close(fd);
    if (failed)
        throw GameError::cannotOpen(programPath);
    return bytes;
}

std::vector<std::string> readLines(const std::string &programPath)
{
    return splitLines(readFileBytes(programPath));
}

void writeLines(const std::string &programPath, const std::vector<std::string> &lines)
{
    writeFileAtomically(programPath, joinLines(lines));
}

} // namespace gw
