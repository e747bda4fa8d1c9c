// SPDX-License-Identifier: MIT
#include "wire/message.h"

#include "map/mapfile.h"
#include "map/mapnames.h"
#include "wire/cellcodes.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace gw::wire {

const char *const kCodeAlphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";

bool isGameCode(const std::string &code)
{
    return code.size() == kCodeLength && std::all_of(code.begin(), code.end(), [](char c) {
               return c != '\0' && std::strchr(kCodeAlphabet, c) != nullptr;
           });
}

std::string normalizedCode(const std::string &typed)
{
    std::string code;
    for (char c : typed) {
        if (c == ' ' || c == '\t' || c == '-')
            continue;
        code += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return code;
}

bool isProgramVersion(const std::string &version)
{
    static const char kAllowed[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz.+~-";
    return !version.empty() && version.size() <= 32 && std::all_of(version.begin(), version.end(), [](char c) {
        return c != '\0' && std::strchr(kAllowed, c) != nullptr;
    });
}

bool GameMap::operator==(const GameMap &o) const
{
    return name == o.name && cells == o.cells && taxes == o.taxes && enemytaxes == o.enemytaxes;
}

GameMap gameMap(const std::string &name, const LoadedMap &map)
{
    GameMap m;
    m.name = name;
    for (int n = 1; n <= kCells; ++n)
        m.cells[static_cast<std::size_t>(n - 1)] = map.cell(n);
    m.taxes = map.taxes;
    m.enemytaxes = map.enemytaxes;
    return m;
}

namespace {
bool sendableCells(const std::array<std::string, kCells> &cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const std::string &c) { return !cellCode(c).empty(); });
}
} // namespace

bool sendable(const GameMap &map)
{
    const MapNameProblem p = ownMapNameProblem(map.name);
    return (p == MapNameProblem::None || p == MapNameProblem::Shipped) && sendableCells(map.cells);
}

bool sendable(const SideView &view)
{
    return sendableCells(view.cells) && view.battles.size() <= kViewBattles
           && (!view.lastMove || view.lastMove->side != view.side);
}

bool operator==(const Hello &a, const Hello &b)
{
    return a.protocol == b.protocol && a.program == b.program && a.code == b.code;
}
bool operator==(const Welcome &a, const Welcome &b)
{
    return a.protocol == b.protocol && a.program == b.program && a.map == b.map && a.view == b.view;
}
bool operator==(const Refused &a, const Refused &b)
{
    return a.reason == b.reason && a.protocol == b.protocol && a.program == b.program;
}
bool operator==(const Goodbye &a, const Goodbye &b) { return a.reason == b.reason; }
bool operator==(const MoveMessage &a, const MoveMessage &b) { return a.side == b.side && a.move == b.move; }
bool operator==(const MoveRefused &a, const MoveRefused &b)
{
    return a.move == b.move && a.refusal == b.refusal && a.kind == b.kind;
}
bool operator==(const ViewMessage &a, const ViewMessage &b) { return a.view == b.view; }
bool operator==(const Ping &a, const Ping &b) { return a.number == b.number; }
bool operator==(const Pong &a, const Pong &b) { return a.number == b.number; }

bool isPlayersMove(const Move &move)
{
    return move.kind != Move::Kind::Expand && move.kind != Move::Kind::Tier;
}

} // namespace gw::wire
