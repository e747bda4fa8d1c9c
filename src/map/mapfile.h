// SPDX-License-Identifier: MIT
#pragma once

#include "map/mapnames.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gw {

struct GameState;

// A map file read and checked, ready to be applied. Reading never touches the
// game state, so a map that fails to read leaves everything as it was.
struct LoadedMap {
    std::string path;               // as the program writes it, with backslashes
    std::vector<std::string> lines; // every line of the file
    int32_t taxes = 0;              // line 230
    int32_t enemytaxes = 0;         // line 231

    // The state of cell n (1..220): line n, "" when the file is shorter.
    const std::string &cell(int n) const;
    // Whether any of cells 1..220 is in this state ("Red_Base").
    bool hasCell(const std::string &state) const;
};

// Each side's gold and base hit points at a skirmish start.
constexpr int32_t kStartingGold = 1000;
constexpr int32_t kStartingBaseHp = 100;

// Where the map of a name is: a shipped map's "maps\skirmish\" + name +
// ".gwm", any other name the player's own "mymaps\" + name + ".gwm".
std::string mapPath(const std::string &name);
// A shipped map's picture, "maps\skirmish\" + name + ".bmp" (own maps have
// none; their preview is drawn from their cells).
std::string mapPreviewPath(const std::string &name);

// Whether a map of this name has its file (a regular file) to be read: a
// shipped map, or an own map whose name the rules take.
bool mapFileExists(const std::string &name);

// Checks lines already read: converts the tax lines 230 and 231. Throws
// GameError ("'%s' ist kein gültiger Integerwert") for a bad or missing line.
LoadedMap parseMap(const std::string &path, std::vector<std::string> lines);

// Reads and checks the map file of `name`. Throws GameError: the open error
// with the backslash path (also, without opening anything, for a name that
// is neither shipped nor one the rules take), or the integer error of a tax
// line.
LoadedMap readMap(const std::string &name);

// Puts the record into a skirmish's starting position with this map:
// rounds 0, both incomes from the map, 1000 gold and 100 base hit points a
// side, every force, stock and building 0, the field list and the scratch
// list the map's lines, fieldactive 1. fieldmode, the cost lines, offense,
// defense, enemytarget and cellstate are left alone.
void applyMap(GameState &state, const LoadedMap &map);

} // namespace gw
