// SPDX-License-Identifier: MIT
#pragma once

#include "core/linelist.h"

#include <cstdint>
#include <string>

namespace gw {

// The whole state of the program and of the one skirmish being played. The
// main window owns the only instance; every handler works on it directly.
// Every counter starts at 0, every string empty. The saved game keeps each
// counter by name (core/savegame.cpp); a new counter belongs there too.
struct GameState {
    // The two sides' counters: the player's plain, the opponent's "enemy".
    int32_t cash = 0, enemycash = 0;
    int32_t taxes = 0, enemytaxes = 0;
    int32_t recruits = 0, enemyrecruits = 0;
    int32_t mgs = 0, enemymgs = 0;
    int32_t rifles = 0, enemyrifles = 0;
    int32_t mortars = 0, enemymortars = 0;
    int32_t specpacks = 0, enemyspecpacks = 0;
    int32_t infantry = 0, enemyinfantry = 0;
    int32_t snipers = 0, enemysnipers = 0;
    int32_t mortarcrews = 0, enemymortarcrews = 0;
    int32_t specialunits = 0, enemyspecialunits = 0;
    int32_t towers = 0, enemytowers = 0;
    int32_t bunkers = 0, enemybunkers = 0;
    int32_t minefields = 0, enemyminefields = 0;
    int32_t basehp = 0, enemybasehp = 0;

    int32_t rounds = 0;

    // The opponent's level, part of the game: 0 Leicht (draws one of its
    // twelve actions), 1 Mittel, 2 Schwer (both choose; Schwer buys and
    // trains by the player's shop). rules/opponent.h plays it.
    int32_t enemylevel = 0;

    // Field clicks: handled only while fieldactive is 1; fieldmode 1 buys
    // land, 2 chooses the cell to attack, anything else does nothing.
    int32_t fieldactive = 0;
    int32_t fieldmode = 0;

    // Scratch values of single operations.
    std::string cellstate;
    // The purchase panel's cost lines (count x price of each entry).
    int32_t costslot1 = 0, costslot2 = 0, costslot3 = 0, costslot4 = 0, costslot5 = 0;
    // The training panel keeps its own cost lines, so counts left standing in
    // one panel are never charged in the other.
    int32_t traincostslot1 = 0, traincostslot2 = 0, traincostslot3 = 0, traincostslot4 = 0;
    int32_t offense = 0, defense = 0;
    int32_t enemytarget = 0;

    // Program switches: 0 main menu, 1 options, 2 skirmish screen and game.
    int32_t menustate = 0;
    int32_t musicon = 0;
    int32_t soundon = 0;

    // The field list: line N (1..220) is the state of cell N; the other lines
    // hold whatever the map file had there and are never read during play.
    LineList memgame{1000};
    // The scratch list: the chosen map name in line 0, then the loaded map.
    LineList memtemp{50};
};

} // namespace gw
