// SPDX-License-Identifier: MIT
#pragma once
// The arena's head-to-head table: the opponent's levels against each other
// and against the reference players, every pair with half its games played
// with the sides exchanged.

#include "map/mapfile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace arena {

struct HeadToHeadOptions {
    long games = 2000;                 // per pair and map, half of them each way round
    std::vector<std::string> mapNames; // the maps, in the order of `maps`
    std::vector<gw::LoadedMap> maps;
    std::vector<int> levels = {0, 1, 2};
    std::vector<std::string> players;  // reference players; empty: the levels only
    uint32_t seed = 1;
    int32_t limit = 500;
    int jobs = 1;
};

// Prints one line per pair and map: the games, each side's wins in per
// cent (as Red and as Blue), the games cut off at the limit and the median
// rounds of the decided ones.
void runHeadToHead(const HeadToHeadOptions &options);

} // namespace arena
