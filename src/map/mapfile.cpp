// SPDX-License-Identifier: MIT
#include "map/mapfile.h"

#include "core/cells.h"
#include "core/gameerror.h"
#include "core/gamestate.h"
#include "core/safefile.h"
#include "core/strtoint.h"
#include "core/textfile.h"

namespace gw {

namespace {
const std::string &lineOf(const std::vector<std::string> &lines, std::size_t n)
{
    static const std::string empty;
    return n < lines.size() ? lines[n] : empty;
}
} // namespace

const std::string &LoadedMap::cell(int n) const
{
    return lineOf(lines, static_cast<std::size_t>(n));
}

bool LoadedMap::hasCell(const std::string &state) const
{
    for (int n = 1; n <= kCells; ++n) {
        if (cell(n) == state)
            return true;
    }
    return false;
}

std::string mapPath(const std::string &name)
{
    if (isShippedMap(name))
        return "maps\\skirmish\\" + name + ".gwm";
    return std::string(kOwnMapsFolder) + "\\" + name + ".gwm";
}

std::string mapPreviewPath(const std::string &name)
{
    return "maps\\skirmish\\" + name + ".bmp";
}

namespace {
// A name that can have a map file at all: shipped, or one the rules take.
bool mapNameUsable(const std::string &name)
{
    return isShippedMap(name) || ownMapNameProblem(name) == MapNameProblem::None;
}
} // namespace

bool mapFileExists(const std::string &name)
{
    return mapNameUsable(name) && isRegularFile(mapPath(name));
}

LoadedMap parseMap(const std::string &path, std::vector<std::string> lines)
{
    LoadedMap map;
    map.path = path;
    map.taxes = strtoint(lineOf(lines, 230));
    map.enemytaxes = strtoint(lineOf(lines, 231));
    map.lines = std::move(lines);
    return map;
}

LoadedMap readMap(const std::string &name)
{
    const std::string path = mapPath(name);
    // "..", "a/b" or a name with a NUL would name some other file.
    if (!mapNameUsable(name))
        throw GameError::cannotOpen(path);
    return parseMap(path, readLines(path));
}

void applyMap(GameState &s, const LoadedMap &map)
{
    s.rounds = 0;
    s.taxes = map.taxes;
    s.enemytaxes = map.enemytaxes;
    s.cash = s.enemycash = kStartingGold;
    s.basehp = s.enemybasehp = kStartingBaseHp;

    s.recruits = s.rifles = s.mgs = s.mortars = s.specpacks = 0;
    s.infantry = s.snipers = s.mortarcrews = s.specialunits = 0;
    s.towers = s.bunkers = s.minefields = 0;
    s.enemyrecruits = s.enemyrifles = s.enemymgs = s.enemymortars = s.enemyspecpacks = 0;
    s.enemyinfantry = s.enemysnipers = s.enemymortarcrews = s.enemyspecialunits = 0;
    s.enemytowers = s.enemybunkers = s.enemyminefields = 0;

    s.memtemp.replace(map.lines);
    s.memgame.replace(map.lines);
    s.fieldactive = 1;
}

} // namespace gw
