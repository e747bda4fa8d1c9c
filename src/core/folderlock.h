// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace gw {

// The lock a running game holds on its working folder, so that a second
// copy started in the same folder does not overwrite the first one's saved
// game, statistics and options. It is an flock() on the file
// "grimsward.lock" there, which the kernel releases when the program ends
// in whatever way, a crash or a kill included: nothing is left behind that
// would keep the next start out. The file itself stays, empty.
class FolderLock {
public:
    static const char *const kPath; // "grimsward.lock"

    enum class State {
        Held,          // this copy holds the lock
        HeldElsewhere, // another copy runs in this folder
        Unavailable,   // no lock can be taken here (a read-only folder, a
                       // folder or pipe in the file's place); the game runs
                       // on, as it cannot write the folder anyway
    };

    explicit FolderLock(const std::string &programPath = kPath);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    State state() const { return state_; }

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
};

} // namespace gw
