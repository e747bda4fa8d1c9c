// SPDX-License-Identifier: MIT
#pragma once

#include "core/gamestate.h"

#include <map>
#include <string>

namespace gw::test {

// Every value of the game state by name, so a test can say "this changed
// and nothing else did" by editing a copy of the snapshot.
using Snapshot = std::map<std::string, std::string>;

inline Snapshot snapshot(const GameState &s)
{
    Snapshot m;
#define GW_SNAP(field) m[#field] = std::to_string(s.field)
    GW_SNAP(cash); GW_SNAP(enemycash); GW_SNAP(taxes); GW_SNAP(enemytaxes);
    GW_SNAP(recruits); GW_SNAP(enemyrecruits); GW_SNAP(mgs); GW_SNAP(enemymgs);
    GW_SNAP(rifles); GW_SNAP(enemyrifles); GW_SNAP(mortars); GW_SNAP(enemymortars);
    GW_SNAP(specpacks); GW_SNAP(enemyspecpacks); GW_SNAP(infantry); GW_SNAP(enemyinfantry);
    GW_SNAP(snipers); GW_SNAP(enemysnipers); GW_SNAP(mortarcrews); GW_SNAP(enemymortarcrews);
    GW_SNAP(specialunits); GW_SNAP(enemyspecialunits); GW_SNAP(towers); GW_SNAP(enemytowers);
    GW_SNAP(bunkers); GW_SNAP(enemybunkers); GW_SNAP(minefields); GW_SNAP(enemyminefields);
    GW_SNAP(basehp); GW_SNAP(enemybasehp); GW_SNAP(rounds); GW_SNAP(enemylevel);
    GW_SNAP(fieldactive); GW_SNAP(fieldmode);
    GW_SNAP(costslot1); GW_SNAP(costslot2); GW_SNAP(costslot3); GW_SNAP(costslot4);
    GW_SNAP(costslot5);
    GW_SNAP(traincostslot1); GW_SNAP(traincostslot2); GW_SNAP(traincostslot3);
    GW_SNAP(traincostslot4);
    GW_SNAP(offense); GW_SNAP(defense); GW_SNAP(enemytarget);
    GW_SNAP(menustate); GW_SNAP(musicon); GW_SNAP(soundon);
#undef GW_SNAP
    m["cellstate"] = s.cellstate;
    for (std::size_t i = 0; i < s.memgame.size(); ++i)
        m["memgame" + std::to_string(i)] = s.memgame.line(i);
    for (std::size_t i = 0; i < s.memtemp.size(); ++i)
        m["memtemp" + std::to_string(i)] = s.memtemp.line(i);
    return m;
}

// The names whose values differ between two snapshots.
inline std::map<std::string, std::string> changed(const Snapshot &before, const Snapshot &after)
{
    std::map<std::string, std::string> out;
    for (const auto &[name, value] : after) {
        auto it = before.find(name);
        if (it == before.end() || it->second != value)
            out[name] = value;
    }
    return out;
}

// Fills lines 1..220 of the field list with one state.
inline void fillField(GameState &s, const std::string &cell)
{
    for (std::size_t n = 1; n <= 220; ++n)
        s.memgame.setLine(n, cell);
}

} // namespace gw::test
