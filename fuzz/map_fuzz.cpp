// SPDX-License-Identifier: MIT
// Fuzz target: a map file's bytes read, checked and applied. A map that is
// refused leaves the record untouched; one that is accepted sets the start.
#include "core/gameerror.h"
#include "core/gamestate.h"
#include "core/linelist.h"
#include "map/mapfile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    gw::GameState state;
    state.cash = 4711;
    state.memgame.setLine(1, "Red_Farm");
    const gw::LineList before = state.memgame;
    try {
        const gw::LoadedMap map = gw::parseMap("maps\\skirmish\\fuzz.gwm", gw::splitLines(bytes));
        gw::applyMap(state, map);
        if (state.cash != 1000 || state.taxes != map.taxes || state.enemytaxes != map.enemytaxes ||
            state.memgame.lines() != map.lines || state.fieldactive != 1)
            std::abort();
        for (int n = 1; n <= 220; ++n) {
            if (state.memgame.line(static_cast<std::size_t>(n)) != map.cell(n))
                std::abort();
        }
    } catch (const gw::GameError &) {
        if (state.cash != 4711 || state.memgame != before)
            std::abort();
    }
    return 0;
}
