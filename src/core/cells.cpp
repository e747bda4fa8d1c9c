// SPDX-License-Identifier: MIT
#include "core/cells.h"

#include "core/translatable.h"

namespace gw {

const char *const kBlueBase = "Blue_Base";
const char *const kRedBase = "Red_Base";

const std::array<Terrain, 11> &terrains()
{
    static const std::array<Terrain, 11> table = {{
        {"Grass", QT_TRANSLATE_NOOP("gw::Terrain", "Gras"), 50, 10},
        {"Sand", QT_TRANSLATE_NOOP("gw::Terrain", "Sand"), 50, 10},
        {"Forest", QT_TRANSLATE_NOOP("gw::Terrain", "Wald"), 50, 10},
        {"Road", QT_TRANSLATE_NOOP("gw::Terrain", "Strasse"), 50, 10},
        {"Wood", QT_TRANSLATE_NOOP("gw::Terrain", "Holz"), 100, 50},
        {"Flowers", QT_TRANSLATE_NOOP("gw::Terrain", "Blumen"), 100, 50},
        {"Water", QT_TRANSLATE_NOOP("gw::Terrain", "Wasser"), 100, 50},
        {"Heliport", QT_TRANSLATE_NOOP("gw::Terrain", "Heliport"), 150, 75},
        {"Oasis", QT_TRANSLATE_NOOP("gw::Terrain", "Oase"), 250, 100},
        {"Farm", QT_TRANSLATE_NOOP("gw::Terrain", "Getreidefeld"), 250, 100},
        {"SkyScraper", QT_TRANSLATE_NOOP("gw::Terrain", "Wolkenkratzer"), 500, 250},
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
