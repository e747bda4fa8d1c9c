// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace gw {

// The player's record on one map at one level of the opponent.
struct MapRecord {
    int32_t wins = 0;
    int32_t losses = 0;
    int32_t fewestRounds = 0; // the fastest win in rounds; 0: none yet

    bool operator==(const MapRecord &o) const
    {
        return wins == o.wins && losses == o.losses && fewestRounds == o.fewestRounds;
    }
};

// The statistics file "stats.cfg", plain text, a block per map and level,
// then an end line, so a file cut anywhere is seen to be cut:
//
//   grimsward-stats 2
//   map Mittelmeer
//   level 0
//   wins 3
//   losses 1
//   record 27
//   end
//
// record 0 means none yet. Numbers follow the text-to-integer rule and
// are never negative. Files of version 1 (no level lines, no end line: every
// record at level 0) still read.
class Statistics {
public:
    static const char *const kPath; // "stats.cfg"
    static constexpr int kVersion = 2;

    // A record's key: the map's name and the opponent's level.
    using Key = std::pair<std::string, int32_t>;

    // Takes the records from a file's bytes; false, with the records left
    // empty, when the text is not a statistics file in every line.
    bool parse(const std::string &bytes);
    std::string text() const;

    // The record of a map at a level; all zero for one never played to the end.
    MapRecord record(const std::string &map, int32_t level = 0) const;
    // Counts a win in this many rounds; true when it is the new fewest for
    // the map at that level (the first win sets it).
    bool addWin(const std::string &map, int32_t rounds, int32_t level = 0);
    void addLoss(const std::string &map, int32_t level = 0);

    const std::map<Key, MapRecord> &records() const { return records_; }

private:
    std::map<Key, MapRecord> records_;
};

} // namespace gw
