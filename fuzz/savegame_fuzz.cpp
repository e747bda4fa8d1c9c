// SPDX-License-Identifier: MIT
// Fuzz target: the saved game's reader. Any bytes either read as a game or
// are refused with a fault; a game that reads writes back to text that
// reads as the same game.
#include "core/savegame.h"
#include "core/stats.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const gw::SaveReadResult read = gw::readSaveText(bytes);
    if (read.fault == gw::SaveFault::None) {
        const std::string text = gw::saveText(read.game);
        const gw::SaveReadResult again = gw::readSaveText(text);
        if (again.fault != gw::SaveFault::None || gw::saveText(again.game) != text)
            std::abort();
    } else if (read.line < 1) {
        std::abort();
    }
    // The statistics file is read the same way: all or nothing.
    gw::Statistics stats;
    if (stats.parse(bytes)) {
        gw::Statistics again;
        if (!again.parse(stats.text()) || again.records() != stats.records())
            std::abort();
    } else if (!stats.records().empty()) {
        std::abort();
    }
    return 0;
}
