// SPDX-License-Identifier: MIT
#pragma once

#include "core/gamestate.h"

#include <array>
#include <cstdint>

namespace gw::test {

// Forces of stage 1..5: recruits, infantry, snipers, mortar crews, special units.
using Forces = std::array<int32_t, 5>;
// Defenders: the five forces, then towers, bunkers, minefields.
using Defenders = std::array<int32_t, 8>;

// Sets a side's five forces and its three buildings.
inline void setPlayer(GameState &s, const Forces &f, const std::array<int32_t, 3> &buildings = {})
{
    s.recruits = f[0]; s.infantry = f[1]; s.snipers = f[2]; s.mortarcrews = f[3];
    s.specialunits = f[4];
    s.towers = buildings[0]; s.bunkers = buildings[1]; s.minefields = buildings[2];
}

inline void setOpponent(GameState &s, const Forces &f, const std::array<int32_t, 3> &buildings = {})
{
    s.enemyrecruits = f[0]; s.enemyinfantry = f[1]; s.enemysnipers = f[2];
    s.enemymortarcrews = f[3]; s.enemyspecialunits = f[4];
    s.enemytowers = buildings[0]; s.enemybunkers = buildings[1]; s.enemyminefields = buildings[2];
}

} // namespace gw::test
