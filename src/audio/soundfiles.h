// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace gw {

// Checks that the sound file exists, is readable and that the decoder opens
// it and decodes its first frame. Throws GameError naming the file otherwise.
void checkSoundFile(const std::string &programPath);

} // namespace gw
