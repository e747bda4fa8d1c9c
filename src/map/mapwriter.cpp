// SPDX-License-Identifier: MIT
#include "map/mapwriter.h"

#include "core/gameerror.h"
#include "core/linelist.h"
#include "core/safefile.h"
#include "core/textfile.h"
#include "map/mapfile.h"
#include "map/mapnames.h"

#include <algorithm>

#include <sys/stat.h>

namespace gw {

MapCells filledCells(const std::string &state)
{
    MapCells cells;
    std::fill(cells.begin() + 1, cells.end(), state);
    return cells;
}

MapCells cellsOf(const LoadedMap &map)
{
    MapCells cells;
    for (int n = 1; n <= kCells; ++n)
        cells[static_cast<std::size_t>(n)] = map.cell(n);
    return cells;
}

int32_t ownedLandTaxes(const MapCells &cells, Side side)
{
    const std::string prefix = side == Side::Red ? "Red_" : "Blue_";
    int32_t sum = 0;
    for (int n = 1; n <= kCells; ++n) {
        const std::string &state = cells[static_cast<std::size_t>(n)];
        if (state.compare(0, prefix.size(), prefix) != 0)
            continue;
        if (const Terrain *t = terrainNamed(state.substr(prefix.size())))
            sum += t->tax; // at most 220 x 250
    }
    return sum;
}

bool hasOpponentBase(const MapCells &cells)
{
    return std::find(cells.begin() + 1, cells.end(), kBlueBase) != cells.end();
}

bool hasPlayerBase(const MapCells &cells)
{
    return std::find(cells.begin() + 1, cells.end(), kRedBase) != cells.end();
}

std::vector<std::string> mapFileLines(const MapDraft &draft)
{
    std::vector<std::string> lines(232);
    lines[0] = draft.name;
    for (int n = 1; n <= kCells; ++n)
        lines[static_cast<std::size_t>(n)] = draft.cells[static_cast<std::size_t>(n)];
    lines[230] = std::to_string(draft.taxes);
    lines[231] = std::to_string(draft.enemytaxes);
    return lines;
}

void writeOwnMap(const MapDraft &draft)
{
    const std::string path = mapPath(draft.name);
    if (isShippedMap(draft.name) || ownMapNameProblem(draft.name) != MapNameProblem::None)
        throw GameError::cannotCreate(path);
    // The folder is the player's; a file or anything else in its place makes
    // the write below fail.
    ::mkdir(nativePath(kOwnMapsFolder).c_str(), 0777);
    // A link in the folder (to a map shared from elsewhere) is replaced by a
    // file of the map's own; what it points at is never written.
    writeFileAtomically(path, joinLines(mapFileLines(draft)), Links::Replace);
}

bool removeOwnMap(const std::string &name)
{
    if (isShippedMap(name) || ownMapNameProblem(name) != MapNameProblem::None)
        return false;
    return removeFile(mapPath(name));
}

} // namespace gw
