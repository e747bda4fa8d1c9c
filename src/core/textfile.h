// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace gw {

// Paths are written the program's way, with backslashes ("maps\skirmish\x.gwm");
// messages show them like that. This turns one into a path the platform opens.
std::string nativePath(const std::string &programPath);

// Files larger than this are refused as unreadable: no file the game reads
// comes near it, and a huge one must not eat the memory.
constexpr std::size_t kMaxTextFileBytes = 16 * 1024 * 1024;

// Reads the whole file as bytes. Throws GameError::cannotOpen(programPath) when
// the file is missing, not a regular file, unreadable or too large.
std::string readFileBytes(const std::string &programPath, std::size_t maxBytes = kMaxTextFileBytes);

// Reads a text file as lines (see splitLines).
std::vector<std::string> readLines(const std::string &programPath);

// Writes the lines, each ended by CR LF, replacing the file whole (see
// writeFileAtomically). Throws
// GameError::cannotCreate(programPath) when the file cannot be written.
void writeLines(const std::string &programPath, const std::vector<std::string> &lines);

} // namespace gw
