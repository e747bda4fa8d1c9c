// SPDX-License-Identifier: MIT
#include "core/cells.h"

namespace gw {

const char *const kBlueBase = "Blue_Base";

const std::array<Terrain, 11> &terrains()
{
    static const std::array<Terrain, 11> table = {{
        {"Grass", "Gras", 50, 10},
        {"Sand", "Sand", 50, 10},
        {"Forest", "Wald", 50, 10},
        {"Road", "Strasse", 50, 10},
        {"Wood", "Holz", 100, 50},
        {"Flowers", "Blumen", 100, 50},
        {"Water", "Wasser", 100, 50},
        {"Heliport", "Heliport", 150, 75},
        {"Oasis", "Oase", 250, 100},
        {"Farm", "Getreidefeld", 250, 100},
        {"SkyScraper", "Wolkenkratzer", 500, 250},
    }};
    return table;
}

std::string freeState(const Terrain &t) { return std::string("None_") + t.word; }
std::string playerState(const Terrain &t) { return std::string("Red_") + t.word; }
std::string opponentState(const Terrain &t) { return std::string("Blue_") + t.word; }

const Terrain *terrainNamed(const std::string &word)
{
    for (const Terrain &t : terrains()) {
        if (word == t.word)
            return &t;
    }
    return nullptr;
}

const Terrain *terrainOf(const std::string &state)
{
    const auto underscore = state.find('_');
    return underscore == std::string::npos ? nullptr : terrainNamed(state.substr(underscore + 1));
}

const Terrain *freeTerrain(const std::string &state)
{
    return state.compare(0, 5, "None_") == 0 ? terrainNamed(state.substr(5)) : nullptr;
}

std::string cellPicturePath(const std::string &state)
{
    return "images\\" + state + ".bmp";
}

} // namespace gw
