// SPDX-License-Identifier: MIT
#include "core/folderlock.h"

#include "core/textfile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gw {

const char *const FolderLock::kPath = "grimsward.lock";

FolderLock::FolderLock(const std::string &programPath)
{
    // Never through a link, never waiting on a pipe; only a regular file
    // is locked.
    fd_ = ::open(nativePath(programPath).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        return;
    }
    int done = 0;
    do {
        done = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (done != 0 && errno == EINTR);
    if (done == 0)
        state_ = State::Held;
    else if (errno == EWOULDBLOCK)
        state_ = State::HeldElsewhere;
}

FolderLock::~FolderLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace gw
