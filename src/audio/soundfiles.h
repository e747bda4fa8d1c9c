// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace gw {

// True when the bytes start like an MPEG audio file: an ID3v2 tag followed by
// a frame header, or a frame header straight away.
bool looksLikeMpegAudio(const std::string &bytes);

// Checks that the sound file exists, is readable and holds MPEG audio.
// Throws GameError naming the file otherwise.
void checkSoundFile(const std::string &programPath);

} // namespace gw
