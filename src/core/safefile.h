// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace gw {

// Replaces a file so that it is never seen half-written: the bytes go to a
// new temporary file beside it (path + ".tmp." and a fresh suffix, made
// exclusively), which is flushed to the disk and then renamed over the old
// file; temporary files of the path that an earlier write left behind (a
// program killed before its rename) are removed first. Only a regular file
// is replaced. A symbolic link to one stays a link
// and its file is replaced (Links::Follow), or the link itself is replaced
// by a file of its own and whatever it points at stays as it is
// (Links::Replace, for files whose folder is all that may be written). A
// failure at any step (a full disk, a directory, pipe or device in the way,
// a link loop) removes the temporary file and leaves the old file as it
// was; it throws GameError::cannotCreate(programPath). Nothing here ever
// blocks on a pipe.
enum class Links { Follow, Replace };
void writeFileAtomically(const std::string &programPath, const std::string &bytes, Links links = Links::Follow);

// Whether the path is a symbolic link (to anything, or to nothing).
bool isLink(const std::string &programPath);

// Moves a file that cannot be used out of the way, to the first free name of
// path + ".bad", ".bad.2", ".bad.3" and on: a file kept aside before is
// never replaced. Returns the name it now has; "" when it could not be moved.
std::string setFileAside(const std::string &programPath);
// The name the next setFileAside of the path would give.
std::string asideName(const std::string &programPath);

// Removes a file; true when it is gone (or was never there).
bool removeFile(const std::string &programPath);

// Whether something (a file, or anything else) is at the path.
bool fileExists(const std::string &programPath);

// Whether the path names a regular file (through links).
bool isRegularFile(const std::string &programPath);

} // namespace gw
