// SPDX-License-Identifier: MIT
#include "core/savegame.h"

#include "core/cells.h"
#include "core/linelist.h"
#include "core/strtoint.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <set>
#include <vector>

namespace gw {

const char *const kSavePath = "savegame.gws";

namespace {

const std::string kHeader = "grimsward-save";
const char *const kCellsLine = "cells";
const char *const kEndLine = "end";
// Each line of the move log is one line of this name, in order.
const std::string kLogName = "log";

using Counter = int32_t GameState::*;

// Every counter of the record that belongs to the game, by its name.
// A counter added to GameState belongs here too.
struct NamedCounter {
    const char *name;
    Counter counter;
};
#define GW_COUNTER(field) NamedCounter{#field, &GameState::field}
const std::array<NamedCounter, 45> kCounters = {{
    GW_COUNTER(rounds),
    GW_COUNTER(cash), GW_COUNTER(enemycash), GW_COUNTER(taxes), GW_COUNTER(enemytaxes),
    GW_COUNTER(recruits), GW_COUNTER(enemyrecruits), GW_COUNTER(mgs), GW_COUNTER(enemymgs),
    GW_COUNTER(rifles), GW_COUNTER(enemyrifles), GW_COUNTER(mortars), GW_COUNTER(enemymortars),
    GW_COUNTER(specpacks), GW_COUNTER(enemyspecpacks), GW_COUNTER(infantry), GW_COUNTER(enemyinfantry),
    GW_COUNTER(snipers), GW_COUNTER(enemysnipers), GW_COUNTER(mortarcrews), GW_COUNTER(enemymortarcrews),
    GW_COUNTER(specialunits), GW_COUNTER(enemyspecialunits), GW_COUNTER(towers), GW_COUNTER(enemytowers),
    GW_COUNTER(bunkers), GW_COUNTER(enemybunkers), GW_COUNTER(minefields), GW_COUNTER(enemyminefields),
    GW_COUNTER(basehp), GW_COUNTER(enemybasehp),
    GW_COUNTER(fieldactive), GW_COUNTER(fieldmode),
    GW_COUNTER(costslot1), GW_COUNTER(costslot2), GW_COUNTER(costslot3), GW_COUNTER(costslot4),
    GW_COUNTER(costslot5),
    GW_COUNTER(traincostslot1), GW_COUNTER(traincostslot2), GW_COUNTER(traincostslot3),
    GW_COUNTER(traincostslot4),
    GW_COUNTER(offense), GW_COUNTER(defense), GW_COUNTER(enemytarget),
}};
#undef GW_COUNTER

// One named line of the file: how it is written and how it is read back.
// `read` returns the fault of a value it refuses.
struct Entry {
    std::string name;
    std::function<std::string(const SavedGame &)> write;
    std::function<SaveFault(SavedGame &, const std::string &)> read;
    // A name added after the first files were written: read as this value
    // when the file does not have it.
    const char *fallback = nullptr;
    // Written only when the value is not the fallback.
    bool onlyWhenSet = false;
};

// A value the text-to-integer rule takes and that lies in [low, high].
SaveFault readInt(const std::string &text, int32_t low, int32_t high, int32_t &out)
{
    int32_t value = 0;
    if (!tryStrtoint(text, value))
        return SaveFault::BadNumber;
    if (value < low || value > high)
        return SaveFault::BadValue;
    out = value;
    return SaveFault::None;
}

constexpr int32_t kAnyLow = INT32_MIN;
constexpr int32_t kAnyHigh = INT32_MAX;

Entry intEntry(const std::string &name, std::function<int32_t &(SavedGame &)> field, int32_t low = kAnyLow,
               int32_t high = kAnyHigh)
{
    return {name,
            [field](const SavedGame &g) { return std::to_string(field(const_cast<SavedGame &>(g))); },
            [field, low, high](SavedGame &g, const std::string &text) { return readInt(text, low, high, field(g)); }};
}

Entry switchEntry(const std::string &name, std::function<bool &(SavedGame &)> field)
{
    return {name, [field](const SavedGame &g) { return std::string(field(const_cast<SavedGame &>(g)) ? "1" : "0"); },
            [field](SavedGame &g, const std::string &text) {
                int32_t value = 0;
                const SaveFault fault = readInt(text, 0, 1, value);
                field(g) = value == 1;
                return fault;
            }};
}

// Five counts from 0 to 999, one blank between them.
Entry countsEntry(const std::string &name, std::function<std::array<int32_t, 5> &(SavedGame &)> field)
{
    return {name,
            [field](const SavedGame &g) {
                std::string text;
                for (int32_t n : field(const_cast<SavedGame &>(g)))
                    text += (text.empty() ? "" : " ") + std::to_string(n);
                return text;
            },
            [field](SavedGame &g, const std::string &text) {
                std::array<int32_t, 5> counts{};
                std::size_t at = 0;
                for (std::size_t k = 0; k < counts.size(); ++k) {
                    const std::size_t end = k + 1 < counts.size() ? text.find(' ', at) : text.size();
                    if (end == std::string::npos)
                        return SaveFault::BadValue;
                    if (const SaveFault f = readInt(text.substr(at, end - at), 0, 999, counts[k]); f != SaveFault::None)
                        return f;
                    at = end + 1;
                }
                field(g) = counts;
                return SaveFault::None;
            }};
}

// The state of a cell as the field list held it: whatever a map gave the
// cell (the picture check comes when the game is continued), or nothing.
Entry stateEntry(const std::string &name, std::function<std::string &(SavedGame &)> field)
{
    return {name, [field](const SavedGame &g) { return field(const_cast<SavedGame &>(g)); },
            [field](SavedGame &g, const std::string &text) {
                field(g) = text;
                return SaveFault::None;
            }};
}

const std::vector<Entry> &entries()
{
    static const std::vector<Entry> table = [] {
        std::vector<Entry> t;
        // Whether the map still exists is the caller's question (readSaveText).
        t.push_back({"map", [](const SavedGame &g) { return g.mapName; },
                     [](SavedGame &g, const std::string &text) {
                         if (text.empty())
                             return SaveFault::UnknownMap;
                         g.mapName = text;
                         return SaveFault::None;
                     }});
        t.push_back({"random",
                     [](const SavedGame &g) {
                         char hex[16];
                         std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(g.random));
                         return std::string(hex);
                     },
                     [](SavedGame &g, const std::string &text) {
                         int32_t value = 0;
                         if (!tryStrtoint(text, value))
                             return SaveFault::BadNumber;
                         g.random = static_cast<uint32_t>(value);
                         return SaveFault::None;
                     }});
        t.push_back(switchEntry("redraw", [](SavedGame &g) -> bool & { return g.redraw; }));
        for (const NamedCounter &c : kCounters) {
            const Counter counter = c.counter;
            t.push_back(intEntry(c.name, [counter](SavedGame &g) -> int32_t & { return g.state.*counter; }));
        }
        t.push_back(stateEntry("cellstate", [](SavedGame &g) -> std::string & { return g.state.cellstate; }));
        t.push_back(switchEntry("lastmove", [](SavedGame &g) -> bool & { return g.lastMove.shown; }));
        t.push_back(intEntry("lastmove.action", [](SavedGame &g) -> int32_t & { return g.lastMove.action; }, 0, 12));
        t.push_back(intEntry("lastmove.tier", [](SavedGame &g) -> int32_t & { return g.lastMove.tier; }, 0, 3));
        t.push_back(intEntry("lastmove.amount", [](SavedGame &g) -> int32_t & { return g.lastMove.amount; }));
        t.push_back(intEntry("lastmove.damage", [](SavedGame &g) -> int32_t & { return g.lastMove.damage; }));
        t.push_back(switchEntry("lastmove.taken", [](SavedGame &g) -> bool & { return g.lastMove.cellTaken; }));
        t.push_back(stateEntry("lastmove.cell", [](SavedGame &g) -> std::string & { return g.lastMove.cell; }));
        // Added later: a game saved before the levels is a "Leicht" game.
        Entry level = intEntry("enemylevel", [](SavedGame &g) -> int32_t & { return g.state.enemylevel; }, 0, 2);
        level.fallback = "0";
        t.push_back(level);
        // Added later; older saves keep the words they were shown with.
        Entry troops = switchEntry("lastmove.troops", [](SavedGame &g) -> bool & { return g.lastMove.troops; });
        troops.fallback = "1";
        t.push_back(troops);
        // Added with two players at one screen; a game without them is
        // played against the computer, with Red on turn.
        Entry players = intEntry("players", [](SavedGame &g) -> int32_t & { return g.players; }, 1, 2);
        players.fallback = "1";
        players.onlyWhenSet = true;
        t.push_back(players);
        Entry turn{"turn", [](const SavedGame &g) { return std::string(g.turn == Side::Blue ? "1" : "0"); },
                   [](SavedGame &g, const std::string &text) {
                       int32_t value = 0;
                       const SaveFault fault = readInt(text, 0, 1, value);
                       g.turn = value == 1 ? Side::Blue : Side::Red;
                       return fault;
                   },
                   "0"};
        turn.onlyWhenSet = true;
        t.push_back(turn);
        // Added with the orders of several kinds.
        Entry counts = countsEntry("lastmove.counts", [](SavedGame &g) -> std::array<int32_t, 5> & { return g.lastMove.counts; });
        counts.fallback = "0 0 0 0 0";
        counts.onlyWhenSet = true;
        t.push_back(counts);
        return t;
    }();
    return table;
}

bool isPlainText(const std::string &line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

// What a line may hold. A map's name may be any text without control
// characters (a player's map may be called "Küste"). A cell may hold
// whatever a map file gave it, so may the two entries that copy a cell's
// state; only a NUL byte, which no file name can hold, is refused there.
// Everything else is plain ASCII.
bool isReadableLine(const std::string &line, bool cell)
{
    if (cell)
        return line.find('\0') == std::string::npos;
    const std::string name = line.substr(0, line.find(' '));
    if (name == "cellstate" || name == "lastmove.cell" || name == kLogName)
        return line.find('\0') == std::string::npos;
    if (name == "map")
        return std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x20 && c != 0x7F; });
    return isPlainText(line);
}

SaveReadResult fault(SaveFault kind, std::size_t index, const std::string &text = std::string())
{
    SaveReadResult r;
    r.fault = kind;
    r.line = static_cast<int>(index) + 1;
    r.text = text;
    return r;
}

} // namespace

std::string saveText(const SavedGame &game)
{
    std::vector<std::string> lines;
    lines.push_back(kHeader + " " + std::to_string(kSaveFormatVersion));
    for (const Entry &e : entries()) {
        const std::string value = e.write(game);
        if (!(e.onlyWhenSet && value == e.fallback))
            lines.push_back(e.name + " " + value);
    }
    for (const std::string &line : game.log)
        lines.push_back(kLogName + (" " + line));
    lines.emplace_back(kCellsLine);
    for (int n = 1; n <= kCells; ++n)
        lines.push_back(game.state.memgame.line(static_cast<std::size_t>(n)));
    lines.emplace_back(kEndLine);
    return joinLines(lines);
}

SaveReadResult readSaveText(const std::string &bytes, const std::function<bool(const std::string &)> &mapExists)
{
    const std::vector<std::string> lines = splitLines(bytes);
    // The 220 lines after "cells" are cells; a file cut off earlier is
    // found below.
    const auto cellsAt = std::find(lines.begin(), lines.end(), kCellsLine);
    const std::size_t firstCell = static_cast<std::size_t>(cellsAt - lines.begin()) + 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool cell = i >= firstCell && i < firstCell + static_cast<std::size_t>(kCells);
        if (!isReadableLine(lines[i], cell))
            return fault(SaveFault::Binary, i, lines[i]);
    }
    const std::string header = lines.empty() ? std::string() : lines[0];
    if (header.compare(0, kHeader.size() + 1, kHeader + " ") != 0)
        return fault(SaveFault::NotASave, 0, header);
    if (header != kHeader + " " + std::to_string(kSaveFormatVersion))
        return fault(SaveFault::WrongVersion, 0, header.substr(kHeader.size() + 1));
    // A file that ends in the middle of what it should hold, in the middle
    // of a line even, is cut off, whatever that last line looks like.
    const auto failAt = [&lines](SaveFault kind, std::size_t i, const std::string &text) {
        return i + 1 == lines.size() ? fault(SaveFault::CutOff, lines.size()) : fault(kind, i, text);
    };

    SaveReadResult result;
    SavedGame &game = result.game;
    game.state.memgame = LineList(static_cast<std::size_t>(kCells) + 1);
    std::set<std::string> seen;
    std::size_t i = 1;
    for (;; ++i) {
        if (i >= lines.size())
            return fault(SaveFault::CutOff, lines.size());
        const std::string &line = lines[i];
        if (line == kCellsLine)
            break;
        const auto space = line.find(' ');
        const std::string name = line.substr(0, space);
        const std::string value = space == std::string::npos ? std::string() : line.substr(space + 1);
        if (name == kLogName && space != std::string::npos) {
            game.log.push_back(value);
            continue;
        }
        const auto &table = entries();
        const auto entry = std::find_if(table.begin(), table.end(), [&](const Entry &e) { return e.name == name; });
        if (entry == table.end())
            return failAt(SaveFault::UnknownEntry, i, name);
        if (!seen.insert(name).second)
            return failAt(SaveFault::DuplicateEntry, i, name);
        SaveFault refused = entry->read(game, value);
        if (refused == SaveFault::None && name == "map" && mapExists && !mapExists(value))
            refused = SaveFault::UnknownMap;
        if (refused != SaveFault::None)
            return failAt(refused, i, value);
    }
    for (const Entry &e : entries()) {
        if (seen.count(e.name) == 0 && e.fallback)
            e.read(game, e.fallback);
        else if (seen.count(e.name) == 0)
            return fault(SaveFault::MissingEntry, i, e.name);
    }
    // The cells go by their place, whatever they hold: a cell may even be
    // called "end". Too few lines after them is a file cut off, or cells
    // missing.
    if (lines.size() <= i + static_cast<std::size_t>(kCells) + 1) {
        const auto end = std::find(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, lines.end(), kEndLine);
        return fault(SaveFault::CutOff, end == lines.end() ? lines.size() : static_cast<std::size_t>(end - lines.begin()));
    }
    for (int n = 1; n <= kCells; ++n)
        game.state.memgame.setLine(static_cast<std::size_t>(n), lines[++i]);
    if (++i >= lines.size())
        return fault(SaveFault::CutOff, lines.size());
    if (lines[i] != kEndLine)
        return failAt(SaveFault::ExtraText, i, lines[i]);
    // Empty lines after the end are harmless (an editor may leave them).
    while (++i < lines.size()) {
        if (!lines[i].empty())
            return fault(SaveFault::ExtraText, i, lines[i]);
    }
    game.state.memgame.setLine(0, game.mapName);
    return result;
}

void restoreGame(GameState &state, const SavedGame &saved)
{
    for (const NamedCounter &c : kCounters)
        state.*c.counter = saved.state.*c.counter;
    state.enemylevel = saved.state.enemylevel;
    state.cellstate = saved.state.cellstate;
    std::vector<std::string> lines(static_cast<std::size_t>(kCells) + 1);
    lines[0] = saved.mapName;
    for (int n = 1; n <= kCells; ++n)
        lines[static_cast<std::size_t>(n)] = saved.state.memgame.line(static_cast<std::size_t>(n));
    state.memtemp.replace(lines);
    state.memgame.replace(std::move(lines));
}

} // namespace gw
