// SPDX-License-Identifier: MIT
#include "audio/soundfiles.h"

#include "audio/mp3decoder.h"

namespace gw {

void checkSoundFile(const std::string &programPath)
{
    Mp3Decoder decoder(programPath);
}

} // namespace gw
