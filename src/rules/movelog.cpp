// SPDX-License-Identifier: MIT
#include "rules/movelog.h"

#include "core/cells.h"
#include "core/linelist.h"
#include "rules/side.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>

namespace gw {

const char *const kLastGamePath = "lastgame.gwr";

namespace {

const std::string kHeader = "grimsward-replay";

// The counters of a side in the order the start lists them, by name.
struct NamedCounter {
    const char *name;
    SideCounters::Counter SideCounters::*member;
};
const std::array<NamedCounter, 15> kSideCounters = {{
    {"cash", &SideCounters::cash},
    {"taxes", &SideCounters::taxes},
    {"recruits", &SideCounters::recruits},
    {"mgs", &SideCounters::mgs},
    {"rifles", &SideCounters::rifles},
    {"mortars", &SideCounters::mortars},
    {"specpacks", &SideCounters::specpacks},
    {"infantry", &SideCounters::infantry},
    {"snipers", &SideCounters::snipers},
    {"mortarcrews", &SideCounters::mortarcrews},
    {"specialunits", &SideCounters::specialunits},
    {"towers", &SideCounters::towers},
    {"bunkers", &SideCounters::bunkers},
    {"minefields", &SideCounters::minefields},
    {"basehp", &SideCounters::basehp},
}};

int32_t &counter(GameState &s, Side side, const NamedCounter &c) { return s.*(countersOf(side).*c.member); }
int32_t counter(const GameState &s, Side side, const NamedCounter &c) { return s.*(countersOf(side).*c.member); }

const char *sideWord(Side side) { return side == Side::Red ? "red" : "blue"; }

std::string hex(uint64_t value, int digits)
{
    char text[24];
    std::snprintf(text, sizeof text, "%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

// ---- Reading helpers ---------------------------------------------------------

// A plain decimal number with an optional minus, in the 32-bit range.
bool decimal(const std::string &text, int32_t &out)
{
    const std::size_t digits = text.size() - (text.rfind('-', 0) == 0 ? 1 : 0);
    if (digits == 0 || digits > 10 || text.find_first_not_of("0123456789", text.size() - digits) != std::string::npos)
        return false;
    const long long v = std::stoll(text);
    if (v < INT32_MIN || v > INT32_MAX)
        return false;
    out = static_cast<int32_t>(v);
    return true;
}

// Exactly `digits` hexadecimal digits in upper case.
bool hexNumber(const std::string &text, std::size_t digits, uint64_t &out)
{
    if (text.size() != digits || text.find_first_not_of("0123456789ABCDEF") != std::string::npos)
        return false;
    out = std::stoull(text, nullptr, 16);
    return true;
}

std::vector<std::string> words(const std::string &line)
{
    std::vector<std::string> w;
    std::istringstream in(line);
    for (std::string s; in >> s;)
        w.push_back(s);
    return w;
}

// "name value": the value of a line that starts with the name and one blank.
bool valueOf(const std::string &line, const std::string &name, std::string &value)
{
    if (line.compare(0, name.size() + 1, name + " ") != 0)
        return false;
    value = line.substr(name.size() + 1);
    return true;
}

bool plainText(const std::string &line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

} // namespace

// ---- Recording -------------------------------------------------------------------

void MoveLog::begin(const std::string &map, Players who, uint32_t generatorState, const GameState &record)
{
    mapName = map;
    players = who;
    seed = generatorState;
    start = GameState{};
    for (Side side : {Side::Red, Side::Blue}) {
        for (const NamedCounter &c : kSideCounters)
            counter(start, side, c) = counter(record, side, c);
    }
    start.rounds = record.rounds;
    start.enemylevel = record.enemylevel;
    start.memgame = LineList(static_cast<std::size_t>(kCells) + 1);
    start.memgame.setLine(0, map);
    for (int n = 1; n <= kCells; ++n)
        start.memgame.setLine(static_cast<std::size_t>(n), record.memgame.line(static_cast<std::size_t>(n)));
    rounds.clear();
    winner.reset();
}

void MoveLog::addMove(Side side, const Move &move)
{
    if (side == Side::Red) {
        LoggedRound r;
        r.number = (rounds.empty() ? start.rounds : rounds.back().number) + 1;
        r.red = move;
        rounds.push_back(r);
    } else if (!rounds.empty() && !rounds.back().hash && !rounds.back().blue) {
        rounds.back().blue = move;
    }
}

void MoveLog::closeRound(const GameState &record)
{
    if (!rounds.empty() && !rounds.back().hash)
        rounds.back().hash = recordHash(record);
}

uint64_t recordHash(const GameState &s)
{
    uint64_t h = 0xCBF29CE484222325ull;
    auto bytes = [&h](const void *data, std::size_t n) {
        const auto *p = static_cast<const unsigned char *>(data);
        for (std::size_t i = 0; i < n; ++i) {
            h ^= p[i];
            h *= 0x100000001B3ull;
        }
    };
    auto number = [&bytes](int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        const unsigned char b[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                                    static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
        bytes(b, 4);
    };
    number(s.rounds);
    number(s.enemylevel);
    for (Side side : {Side::Red, Side::Blue}) {
        for (const NamedCounter &c : kSideCounters)
            number(counter(s, side, c));
    }
    for (int n = 1; n <= kCells; ++n) {
        const std::string &cell = s.memgame.line(static_cast<std::size_t>(n));
        bytes(cell.data(), cell.size());
        bytes("\n", 1);
    }
    return h;
}

// ---- Writing -------------------------------------------------------------------

std::vector<std::string> moveLogLines(const MoveLog &log)
{
    std::vector<std::string> lines;
    lines.reserve(64 + static_cast<std::size_t>(kCells) + 3 * log.rounds.size());
    lines.push_back(kHeader + " " + std::to_string(kLogFormatVersion));
    lines.push_back("map " + log.mapName);
    lines.push_back("players " + std::to_string(static_cast<int>(log.players)));
    lines.push_back("seed 0x" + hex(log.seed, 8));
    lines.push_back("level " + std::to_string(log.start.enemylevel));
    lines.push_back("rounds " + std::to_string(log.start.rounds));
    for (const NamedCounter &c : kSideCounters)
        lines.push_back(std::string(c.name) + " " + std::to_string(counter(log.start, Side::Red, c)) + " "
                        + std::to_string(counter(log.start, Side::Blue, c)));
    lines.emplace_back("cells");
    for (int n = 1; n <= kCells; ++n)
        lines.push_back(log.start.memgame.line(static_cast<std::size_t>(n)));
    lines.emplace_back("moves");
    for (const LoggedRound &r : log.rounds) {
        const std::string number = std::to_string(r.number) + " ";
        if (r.red)
            lines.push_back(number + "red " + moveText(*r.red));
        if (r.blue)
            lines.push_back(number + "blue " + moveText(*r.blue));
        if (r.hash)
            lines.push_back(number + "hash " + hex(*r.hash, 16));
    }
    if (log.winner && !log.rounds.empty())
        lines.push_back(std::string("result ") + sideWord(*log.winner) + " " + std::to_string(log.rounds.back().number));
    lines.emplace_back("end");
    return lines;
}

std::string moveLogText(const MoveLog &log) { return joinLines(moveLogLines(log)); }

// ---- Reading -------------------------------------------------------------------

LogReadResult readMoveLog(const std::string &bytes) { return readMoveLog(splitLines(bytes)); }

LogReadResult readMoveLog(const std::vector<std::string> &lines)
{
    LogReadResult result;
    MoveLog &log = result.log;
    std::size_t i = 0;
    // The fault of line i; the last line of a text cut off in its middle
    // is no line at all, so the text is cut off there.
    auto fail = [&](LogFault kind, std::size_t at, int32_t round) {
        // A text cut off in a line makes its last line look wrong.
        const bool last = at + 1 >= lines.size() && kind != LogFault::ExtraText && kind != LogFault::NotALog
                          && kind != LogFault::WrongVersion;
        result.fault = last ? LogFault::CutOff : kind;
        result.line = static_cast<int>(at) + 1;
        result.text = at < lines.size() ? lines[at] : std::string();
        result.round = round;
        // Only whole rounds before the fault are kept.
        if (round > 0 && !log.rounds.empty() && !log.rounds.back().hash)
            log.rounds.pop_back();
        return result;
    };
    auto next = [&]() -> const std::string * { return i < lines.size() ? &lines[i] : nullptr; };

    // The start: header, entries, cells.
    const std::string header = lines.empty() ? std::string() : lines[0];
    if (header.compare(0, kHeader.size() + 1, kHeader + " ") != 0)
        return fail(LogFault::NotALog, 0, 0);
    if (header != kHeader + " " + std::to_string(kLogFormatVersion)) {
        LogReadResult r = fail(LogFault::WrongVersion, 0, 0);
        r.text = header.substr(kHeader.size() + 1);
        return r;
    }
    i = 1;
    std::string value;
    const std::string *line = next();
    if (!line || !valueOf(*line, "map", value) || value.empty())
        return fail(LogFault::BadEntry, i, 0);
    if (std::any_of(value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        return fail(LogFault::Binary, i, 0);
    log.mapName = value;
    ++i;
    // One entry of the start: the named line, checked by `take`.
    auto entry = [&](const char *name, auto take) {
        const std::string *l = next();
        if (!l)
            return false;
        if (!plainText(*l)) {
            fail(LogFault::Binary, i, 0);
            return false;
        }
        std::string v;
        if (!valueOf(*l, name, v) || !take(v)) {
            fail(LogFault::BadEntry, i, 0);
            return false;
        }
        ++i;
        return true;
    };
    int32_t number = 0;
    uint64_t big = 0;
    const bool startRead =
        entry("players",
              [&](const std::string &v) {
                  if (v != "1" && v != "2")
                      return false;
                  log.players = v == "1" ? Players::Computer : Players::SameScreen;
                  return true;
              })
        && entry("seed",
                 [&](const std::string &v) {
                     if (v.compare(0, 2, "0x") != 0 || !hexNumber(v.substr(2), 8, big))
                         return false;
                     log.seed = static_cast<uint32_t>(big);
                     return true;
                 })
        && entry("level",
                 [&](const std::string &v) {
                     if (!decimal(v, number) || number < 0 || number > 2)
                         return false;
                     log.start.enemylevel = number;
                     return true;
                 })
        && entry("rounds", [&](const std::string &v) {
               if (!decimal(v, number) || number < 0)
                   return false;
               log.start.rounds = number;
               return true;
           });
    if (!startRead)
        return result.fault != LogFault::None ? result : fail(LogFault::CutOff, i, 0);
    for (const NamedCounter &c : kSideCounters) {
        const bool read = entry(c.name, [&](const std::string &v) {
            const std::vector<std::string> pair = words(v);
            int32_t red = 0, blue = 0;
            if (pair.size() != 2 || v != pair[0] + " " + pair[1] || !decimal(pair[0], red) || !decimal(pair[1], blue))
                return false;
            counter(log.start, Side::Red, c) = red;
            counter(log.start, Side::Blue, c) = blue;
            return true;
        });
        if (!read)
            return result.fault != LogFault::None ? result : fail(LogFault::CutOff, i, 0);
    }
    if (!next() || *next() != "cells")
        return fail(LogFault::BadEntry, i, 0);
    log.start.memgame = LineList(static_cast<std::size_t>(kCells) + 1);
    log.start.memgame.setLine(0, log.mapName);
    log.start.fieldactive = 1;
    for (int n = 1; n <= kCells; ++n) {
        ++i;
        if (!next())
            return fail(LogFault::CutOff, i, 0);
        // A cell holds whatever its map gave it; only a NUL byte is no state.
        if (next()->find('\0') != std::string::npos)
            return fail(LogFault::Binary, i, 0);
        log.start.memgame.setLine(static_cast<std::size_t>(n), *next());
    }
    ++i;
    if (!next() || *next() != "moves")
        return fail(LogFault::BadEntry, i, 0);
    ++i;

    // The rounds, in order: "N red M", then "N blue M" (missing after Red's
    // decisive attack), then "N hash H"; the last round of a game still
    // being played may stop after a move.
    int32_t expected = log.start.rounds + 1;
    for (;; ++i) {
        line = next();
        if (!line)
            return fail(LogFault::CutOff, i, expected);
        if (!plainText(*line))
            return fail(LogFault::Binary, i, expected);
        if (*line == "end")
            break;
        const std::vector<std::string> w = words(*line);
        LoggedRound *open = !log.rounds.empty() && !log.rounds.back().hash ? &log.rounds.back() : nullptr;
        if (w.size() == 3 && w[0] == "result" && !open && !log.rounds.empty() && !log.winner) {
            int32_t last = 0;
            if ((w[1] == "red" || w[1] == "blue") && decimal(w[2], last) && last == log.rounds.back().number
                && *line == "result " + w[1] + " " + w[2]) {
                log.winner = w[1] == "red" ? Side::Red : Side::Blue;
                continue;
            }
            return fail(LogFault::BadLine, i, expected);
        }
        const int32_t round = open ? open->number : expected;
        if (log.winner || w.size() < 3 || w[0] != std::to_string(round))
            return fail(LogFault::BadLine, i, round);
        const std::string rest = line->substr(w[0].size() + 1 + w[1].size() + 1);
        if (w[1] == "hash") {
            uint64_t hash = 0;
            if (!open || w.size() != 3 || *line != w[0] + " hash " + w[2] || !hexNumber(w[2], 16, hash))
                return fail(LogFault::BadLine, i, round);
            open->hash = hash;
            ++expected;
            continue;
        }
        // A move in the words moveText gives it, and nothing else.
        const std::optional<Move> move = parseMove(rest);
        const bool red = w[1] == "red", blue = w[1] == "blue";
        if (!move || moveText(*move) != rest || *line != w[0] + " " + w[1] + " " + rest || !(red || blue)
            || (red && open) || (blue && (!open || open->blue)))
            return fail(LogFault::BadLine, i, round);
        if (red) {
            LoggedRound r;
            r.number = round;
            r.red = move;
            r.line = static_cast<int>(i) + 1;
            log.rounds.push_back(r);
        } else {
            open->blue = move;
        }
    }
    // A decided game's rounds are all whole.
    if (log.winner && !log.rounds.empty() && !log.rounds.back().hash)
        return fail(LogFault::BadLine, i, log.rounds.back().number);
    while (++i < lines.size()) {
        if (!lines[i].empty())
            return fail(LogFault::ExtraText, i, expected);
    }
    return result;
}

} // namespace gw
