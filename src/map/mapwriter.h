// SPDX-License-Identifier: MIT
#pragma once

#include "core/cells.h"
#include "core/side.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace gw {

struct LoadedMap;

// The 220 cells of a map as the editor holds them; cells[n] is cell n
// (1..220), cells[0] is not used.
using MapCells = std::array<std::string, kCells + 1>;

// A map to be written: its name, its cells and the two starting incomes.
struct MapDraft {
    std::string name;
    MapCells cells;
    int32_t taxes = 0;      // the player's, line 230
    int32_t enemytaxes = 0; // the opponent's, line 231
};

// Every cell in this state.
MapCells filledCells(const std::string &state);
// Cells 1..220 of a map read from its file.
MapCells cellsOf(const LoadedMap &map);

// The land a side owns at the start pays its taxes from the first round:
// the land table's tax of every cell in "Red_" + terrain (the player) or
// "Blue_" + terrain (the opponent). Bases and other states pay nothing.
int32_t ownedLandTaxes(const MapCells &cells, Side side);

// Whether any cell is the opponent's base, the one the player must destroy.
bool hasOpponentBase(const MapCells &cells);
// Whether any cell is the player's base, the one the other side attacks.
bool hasPlayerBase(const MapCells &cells);

// The file's lines, in the shipped maps' shape: line 0 the name, 1..220 the
// cells, 221..229 empty, 230 and 231 the incomes in decimal; 232 lines.
std::vector<std::string> mapFileLines(const MapDraft &draft);

// Writes the own map "mymaps\<name>.gwm" (CR LF lines), making the folder
// first when it is not there, and replaces an older file whole (see
// writeFileAtomically); a symbolic link there is replaced itself, never
// written through. Throws GameError::cannotCreate with the map's path
// when it cannot be written, and for a shipped map's name or one the rules
// refuse: a shipped map is never overwritten.
void writeOwnMap(const MapDraft &draft);

// Removes the own map's file; true when it is gone. A shipped map's name,
// or one the rules refuse, removes nothing.
bool removeOwnMap(const std::string &name);

} // namespace gw
