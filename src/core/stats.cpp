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

const char *const kHeader = "grimsward-stats 1";

// "name value" with a value the text-to-integer rule takes, at least 0.
bool countLine(const std::string &line, const std::string &name, int32_t &value)
{
    return line.compare(0, name.size() + 1, name + " ") == 0 && tryStrtoint(line.substr(name.size() + 1), value)
           && value >= 0;
}

bool isPlainText(const std::string &line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

} // namespace

bool Statistics::parse(const std::string &bytes)
{
    records_.clear();
    std::vector<std::string> lines = splitLines(bytes);
    // Empty lines at the end are harmless (an editor may leave them).
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    if (lines.empty() || lines[0] != kHeader)
        return false;
    std::map<std::string, MapRecord> read;
    for (std::size_t i = 1; i < lines.size(); i += 4) {
        MapRecord r;
        const bool ok = i + 3 < lines.size() && lines[i].compare(0, 4, "map ") == 0 && lines[i].size() > 4
                        && isPlainText(lines[i]) && countLine(lines[i + 1], "wins", r.wins)
                        && countLine(lines[i + 2], "losses", r.losses)
                        && countLine(lines[i + 3], "record", r.fewestRounds);
        if (!ok || !read.emplace(lines[i].substr(4), r).second)
            return false;
    }
    records_ = std::move(read);
    return true;
}

std::string Statistics::text() const
{
    std::vector<std::string> lines = {kHeader};
    for (const auto &[map, r] : records_) {
        lines.push_back("map " + map);
        lines.push_back("wins " + std::to_string(r.wins));
        lines.push_back("losses " + std::to_string(r.losses));
        lines.push_back("record " + std::to_string(r.fewestRounds));
    }
    return joinLines(lines);
}

MapRecord Statistics::record(const std::string &map) const
{
    const auto it = records_.find(map);
    return it == records_.end() ? MapRecord{} : it->second;
}

bool Statistics::addWin(const std::string &map, int32_t rounds)
{
    MapRecord &r = records_[map];
    addTo(r.wins, 1);
    // A win always takes at least a round; a smaller count can only come
    // from an edited save and sets no record.
    if (rounds < 1 || (r.fewestRounds != 0 && rounds >= r.fewestRounds))
        return false;
    r.fewestRounds = rounds;
    return true;
}

void Statistics::addLoss(const std::string &map) { addTo(records_[map].losses, 1); }

} // namespace gw
