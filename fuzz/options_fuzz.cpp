// SPDX-License-Identifier: MIT
// Fuzz target: the options file. Reading any bytes either gives both
// switches or the integer error; the lines a save writes read back the same.
#include "core/gameerror.h"
#include "core/linelist.h"
#include "core/options.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    gw::OptionsFile options;
    options.loadText(bytes);
    try {
        (void)options.musicSwitch();
        (void)options.soundSwitch();
    } catch (const gw::GameError &) {
    }
    const auto &lines = options.lines().lines();
    if (gw::splitLines(gw::joinLines(lines)) != lines)
        std::abort();
    return 0;
}
