// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace gw {

// The player's record on one map.
struct MapRecord {
    int32_t wins = 0;
    int32_t losses = 0;
    int32_t fewestRounds = 0; // the fastest win in rounds; 0: none yet

    bool operator==(const MapRecord &o) const
    {
        return wins == o.wins && losses == o.losses && fewestRounds == o.fewestRounds;
    }
};

// The statistics file "stats.cfg", plain text, a block per map:
//
//   grimsward-stats 1
//   map Mittelmeer
//   wins 3
//   losses 1
//   record 27
//
// record 0 means none yet. Numbers follow the text-to-integer rule and
// are never negative.
class Statistics {
public:
    static const char *const kPath; // "stats.cfg"

    // Takes the records from a file's bytes; false, with the records left
    // empty, when the text is not a statistics file in every line.
    bool parse(const std::string &bytes);
    std::string text() const;

    // The record of a map; all zero for a map never played to the end.
    MapRecord record(const std::string &map) const;
    // Counts a win in this many rounds; true when it is the map's new
    // fewest (the first win sets it).
    bool addWin(const std::string &map, int32_t rounds);
    void addLoss(const std::string &map);

    const std::map<std::string, MapRecord> &records() const { return records_; }

private:
    std::map<std::string, MapRecord> records_;
};

} // namespace gw
