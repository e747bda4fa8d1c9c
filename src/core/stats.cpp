// SPDX-License-Identifier: MIT
#include "core/stats.h"

#include "core/linelist.h"
#include "core/saturate.h"
#include "core/strtoint.h"

#include <algorithm>
#include <vector>

namespace gw {

const char *const Statistics::kPath = "stats.cfg";

namespace {

const std::string kHeader = "grimsward-stats ";
const char *const kEndLine = "end";

// "name value" with a value the text-to-integer rule takes, at least 0.
bool countLine(const std::string &line, const std::string &name, int32_t &value)
{
    return line.compare(0, name.size() + 1, name + " ") == 0 && tryStrtoint(line.substr(name.size() + 1), value)
           && value >= 0;
}

// A map's name: any text without control characters (a player's map may be
// called "Küste").
bool isMapLine(const std::string &line)
{
    return line.compare(0, 4, "map ") == 0 && line.size() > 4
           && std::all_of(line.begin(), line.end(),
                          [](char c) { return static_cast<unsigned char>(c) >= 0x20 && c != 0x7F; });
}

} // namespace

bool Statistics::parse(const std::string &bytes)
{
    records_.clear();
    std::vector<std::string> lines = splitLines(bytes);
    // Empty lines at the end are harmless (an editor may leave them).
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    if (lines.empty())
        return false;
    int version = 0;
    if (lines[0] == kHeader + "1")
        version = 1;
    else if (lines[0] == kHeader + std::to_string(kVersion))
        version = kVersion;
    else
        return false;
    // Version 2 ends in its end line; what stands before it is all there is.
    std::size_t end = lines.size();
    if (version == kVersion) {
        if (lines.back() != kEndLine)
            return false;
        end = lines.size() - 1;
    }
    const std::size_t block = version == 1 ? 4 : 5;
    std::map<Key, MapRecord> read;
    for (std::size_t i = 1; i < end; i += block) {
        MapRecord r;
        int32_t level = 0;
        std::size_t at = i;
        const bool ok = i + block - 1 < end && isMapLine(lines[at++])
                        && (version == 1 || countLine(lines[at++], "level", level))
                        && countLine(lines[at], "wins", r.wins) && countLine(lines[at + 1], "losses", r.losses)
                        && countLine(lines[at + 2], "record", r.fewestRounds);
        if (!ok || !read.emplace(Key{lines[i].substr(4), level}, r).second)
            return false;
    }
    records_ = std::move(read);
    return true;
}

std::string Statistics::text() const
{
    std::vector<std::string> lines = {kHeader + std::to_string(kVersion)};
    for (const auto &[key, r] : records_) {
        lines.push_back("map " + key.first);
        lines.push_back("level " + std::to_string(key.second));
        lines.push_back("wins " + std::to_string(r.wins));
        lines.push_back("losses " + std::to_string(r.losses));
        lines.push_back("record " + std::to_string(r.fewestRounds));
    }
    lines.emplace_back(kEndLine);
    return joinLines(lines);
}

MapRecord Statistics::record(const std::string &map, int32_t level) const
{
    const auto it = records_.find(Key{map, level});
    return it == records_.end() ? MapRecord{} : it->second;
}

bool Statistics::addWin(const std::string &map, int32_t rounds, int32_t level)
{
    MapRecord &r = records_[Key{map, level}];
    addTo(r.wins, 1);
    // A win always takes at least a round; a smaller count can only come
    // from an edited save and sets no record.
    if (rounds < 1 || (r.fewestRounds != 0 && rounds >= r.fewestRounds))
        return false;
    r.fewestRounds = rounds;
    return true;
}

void Statistics::addLoss(const std::string &map, int32_t level) { addTo(records_[Key{map, level}].losses, 1); }

} // namespace gw
