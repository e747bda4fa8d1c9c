// SPDX-License-Identifier: MIT
// The three shipped maps. Terrain letters: g grass, s sand, f forest,
// r road, h wood (timber), b flowers, w water, H heliport, o oasis,
// a farm, S skyscraper. Under a base letter in the owner rows the terrain
// letter is ignored.
#include "maps.h"

namespace assetgen {

const QVector<MapDesign> &mapDesigns()
{
    static const QVector<MapDesign> maps = {
        // The player holds the Spanish coast in the north-west, the opponent
        // the African shore in the south-east; the sea lies between.
        {"Mittelmeer",
         {"aggfffgbbgaaghhgSrSS",
          "gagffgbbgaagfhgbrrHr",
          "sgbgfgggaagsggsgbgsg",
          "sssssgssswsssgssssss",
          "wwwwsswwwwwwwwwwwsww",
          "wwwwwwwwwsbwwwwwwwww",
          "wwwwwwwwwwswwwwsswww",
          "sswwwsssswwssssswwss",
          "ssssossasssgsssssoss",
          "sgssssasoossHsassgss",
          "ssosssaasssssossssss"},
         {"RR..................",
          "XXR.................",
          "XX..................",
          "R...................",
          "....................",
          "....................",
          "....................",
          "...................B",
          ".................BBB",
          "..................YY",
          "..................YY"}},
        // Avenues run east to west between the blocks; a canal crosses the
        // city under three bridges. Player in the south-west, opponent in the
        // north-east.
        {"Big City Crisis",
         {"ggSSbSHSSwSSgSSHfggg",
          "gfSSgSSbSwSgbSSSffff",
          "rrrrrrrrrrrrrrrrrrrr",
          "SSbSSHgSSwSSHSSgSSbS",
          "SSgSSSobgwgSSSbSSgSS",
          "rrrrrrrrrrrrrrrrrrrr",
          "bgSSHSSgSwSSbSSHSSgb",
          "ffgSSbSSgwgSSgSSbSgf",
          "rrrrrrrrrrrrrrrrrrrr",
          "ggSShSSaswsSSHSSSsgg",
          "ggfSSgSSbwbSShSSbfgg"},
         {"................BBYY",
          "................BBYY",
          ".................BBB",
          "....................",
          "....................",
          "....................",
          "....................",
          "RRR.................",
          "RRR.................",
          "XX..................",
          "XXR................."}},
        // Two castaway camps on an island: the player on the west shore, the
        // opponent on the east shore, jungle and springs between them.
        {"Gestrandet",
         {"wwwwwwwwwwwwwwwwwwww",
          "wwwssssswwwwwsssswww",
          "wwsgffgbsswwsbffgssw",
          "wssfffogbssssgfoffsw",
          "wsggghgaagshsgaffgsw",
          "wsgghffSgHsgfgHgggsw",
          "wssgbffgbsSsbgfggfsw",
          "wwsgffogsswsshffogsw",
          "wwwssgbsswwwssbgssww",
          "wwwwsssswwwwwsssswww",
          "wwwwwwwwwwwwwwwwwwww"},
         {"....................",
          "....................",
          "....................",
          "..R.................",
          "RRXX..............B.",
          "RRXX.............YYB",
          ".................YYB",
          ".................BB.",
          "....................",
          "....................",
          "...................."}},
    };
    return maps;
}

} // namespace assetgen
