// SPDX-License-Identifier: MIT
#include "wire/viewtext.h"

#include "wire/bodyreader.h"
#include "wire/cellcodes.h"
#include "wire/words.h"

#include <limits>

namespace gw::wire {

namespace {

constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kMax = std::numeric_limits<int32_t>::max();

// The view's counters by their keys: the viewer's own, then the other side's.
struct OwnKey {
    const char *key;
    int32_t OwnFigures::*value;
};
const OwnKey kOwnKeys[] = {
    {"cash", &OwnFigures::cash},         {"taxes", &OwnFigures::taxes},
    {"recruits", &OwnFigures::recruits}, {"mgs", &OwnFigures::mgs},
    {"rifles", &OwnFigures::rifles},     {"mortars", &OwnFigures::mortars},
    {"specpacks", &OwnFigures::specpacks}, {"infantry", &OwnFigures::infantry},
    {"snipers", &OwnFigures::snipers},   {"mortarcrews", &OwnFigures::mortarcrews},
    {"specialunits", &OwnFigures::specialunits}, {"towers", &OwnFigures::towers},
    {"bunkers", &OwnFigures::bunkers},   {"minefields", &OwnFigures::minefields},
    {"basehp", &OwnFigures::basehp},
};
struct OtherKey {
    const char *key;
    int32_t OtherFigures::*value;
};
const OtherKey kOtherKeys[] = {
    {"other.recruits", &OtherFigures::recruits},   {"other.infantry", &OtherFigures::infantry},
    {"other.snipers", &OtherFigures::snipers},     {"other.mortarcrews", &OtherFigures::mortarcrews},
    {"other.specialunits", &OtherFigures::specialunits}, {"other.towers", &OtherFigures::towers},
    {"other.bunkers", &OtherFigures::bunkers},     {"other.minefields", &OtherFigures::minefields},
    {"other.basehp", &OtherFigures::basehp},
};

void line(std::string &out, const char *key, const std::string &value)
{
    out += key;
    out += ' ';
    out += value;
    out += '\n';
}

template <typename T>
std::string joined(const T &values)
{
    std::string s;
    for (auto v : values) {
        if (!s.empty())
            s += ' ';
        s += std::to_string(v);
    }
    return s;
}

const char *sideWord(Side s) { return words::kSides[static_cast<int>(s)]; }

void writeBattle(std::string &out, const BattleResult &b)
{
    line(out, "battle", std::string(b.attackerIsPlayer ? "red" : "blue") + ' ' + std::to_string(b.basehpBefore) + ' '
                            + std::to_string(b.basehpAfter));
    for (const BattleStage &s : b.stages) {
        const std::array<int32_t, 5> head = {s.stage, s.attackersAtStart, s.attackersLost, s.rolls, s.damage};
        line(out, "stage", joined(head) + ' ' + joined(s.defendersAtStart) + ' ' + joined(s.defendersLost) + ' '
                               + joined(s.rollsAgainst));
    }
}

bool readBattle(BodyReader &in, BattleResult &b)
{
    std::string_view value;
    if (!in.field("battle", value))
        return false;
    const std::size_t space = value.find(' ');
    if (space == std::string_view::npos)
        return in.fail(ReadFault::Malformed, "battle");
    const std::string_view attacker = value.substr(0, space);
    if (attacker != "red" && attacker != "blue")
        return in.fail(ReadFault::Malformed, "battle");
    b.attackerIsPlayer = attacker == "red";
    int32_t hp[2] = {};
    if (!in.numbersIn(value.substr(space + 1), "battle", 2, kMin, kMax, hp))
        return false;
    b.basehpBefore = hp[0];
    b.basehpAfter = hp[1];
    for (std::size_t i = 0; i < b.stages.size(); ++i) {
        // stage, attackers at start, attackers lost, rolls, damage, then
        // the eight defenders at the stage's start, their losses and the
        // dice rolled against each.
        int32_t v[29] = {};
        if (!in.numbers("stage", 29, kMin, kMax, v))
            return false;
        BattleStage &s = b.stages[i];
        if (v[0] != static_cast<int32_t>(i + 1) || v[3] < 0 || v[4] < 0 || v[4] > kStageDamage)
            return in.fail(ReadFault::OutOfRange, "stage");
        s.stage = v[0];
        s.attackersAtStart = v[1];
        s.attackersLost = v[2];
        s.rolls = v[3];
        s.damage = v[4];
        for (std::size_t d = 0; d < 8; ++d) {
            s.defendersAtStart[d] = v[5 + d];
            s.defendersLost[d] = v[13 + d];
            s.rollsAgainst[d] = v[21 + d];
            if (s.rollsAgainst[d] < 0)
                return in.fail(ReadFault::OutOfRange, "stage");
        }
    }
    return true;
}

void writeLast(std::string &out, const std::optional<SeenMove> &last)
{
    if (!last) {
        line(out, "last", "none");
        return;
    }
    const std::array<int32_t, 4> figures = {last->tier, last->amount, last->cell, last->cellTaken ? 1 : 0};
    line(out, "last", std::string(sideWord(last->side)) + ' ' + joined(figures) + ' ' + moveText(last->move));
}

// "none", or the side, tier, amount, cell, taken and the move's own text.
bool readLast(BodyReader &in, Side viewer, std::optional<SeenMove> &last)
{
    std::string_view value;
    if (!in.field("last", value))
        return false;
    if (value == "none")
        return true;
    SeenMove seen;
    std::size_t at = value.find(' ');
    const std::string_view side = value.substr(0, at);
    if (at == std::string_view::npos || (side != "red" && side != "blue"))
        return in.fail(ReadFault::Malformed, "last");
    seen.side = side == "red" ? Side::Red : Side::Blue;
    if (seen.side == viewer)
        return in.fail(ReadFault::Malformed, "last");
    // The four figures end at the fifth space after the side.
    std::string_view rest = value.substr(at + 1);
    std::size_t cut = 0;
    for (int i = 0; i < 4 && cut != std::string_view::npos; ++i)
        cut = rest.find(' ', i == 0 ? 0 : cut + 1);
    if (cut == std::string_view::npos)
        return in.fail(ReadFault::Malformed, "last");
    int32_t f[4] = {};
    if (!in.numbersIn(rest.substr(0, cut), "last", 4, 0, kMax, f))
        return false;
    if (f[0] > 3 || f[2] > kCells || f[3] > 1)
        return in.fail(ReadFault::OutOfRange, "last");
    const ReadFault fault = parseMoveText(std::string(rest.substr(cut + 1)), seen.move);
    if (fault != ReadFault::None)
        return in.fail(fault, "last");
    seen.tier = f[0];
    seen.amount = f[1];
    seen.cell = f[2];
    seen.cellTaken = f[3] == 1;
    last = seen;
    return true;
}

} // namespace

void writeCells(std::string &out, const char *key, const std::array<std::string, kCells> &cells)
{
    std::string codes;
    codes.reserve(2 * kCells);
    for (const std::string &c : cells) {
        const std::string code = cellCode(c);
        codes += code.empty() ? "??" : code;
    }
    line(out, key, codes);
}

bool readCells(BodyReader &in, const char *key, std::array<std::string, kCells> &cells)
{
    std::string_view codes;
    if (!in.field(key, codes))
        return false;
    if (codes.size() != 2 * kCells)
        return in.fail(ReadFault::Malformed, key);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const char pair[3] = {codes[2 * i], codes[2 * i + 1], '\0'};
        cells[i] = cellStateOf(pair);
        if (cells[i].empty())
            return in.fail(ReadFault::NotACell, key);
    }
    return true;
}

void writeView(std::string &out, const SideView &v)
{
    line(out, "side", sideWord(v.side));
    line(out, "round", std::to_string(v.round));
    line(out, "turn", sideWord(v.onTurn));
    line(out, "winner", v.winner ? sideWord(*v.winner) : "none");
    for (const OwnKey &k : kOwnKeys)
        line(out, k.key, std::to_string(v.own.*k.value));
    for (const OtherKey &k : kOtherKeys)
        line(out, k.key, std::to_string(v.other.*k.value));
    writeCells(out, "cells", v.cells);
    writeLast(out, v.lastMove);
    line(out, "battles", std::to_string(v.battles.size()));
    for (const BattleResult &b : v.battles)
        writeBattle(out, b);
}

bool readView(BodyReader &in, SideView &v)
{
    int side = 0, turn = 0, winner = 0;
    in.word("side", words::kSides, 2, side);
    v.side = static_cast<Side>(side);
    in.number("round", 0, kMax, v.round);
    in.word("turn", words::kSides, 2, turn);
    v.onTurn = static_cast<Side>(turn);
    in.word("winner", words::kWinners, 3, winner);
    if (winner > 0)
        v.winner = static_cast<Side>(winner - 1);
    for (const OwnKey &k : kOwnKeys)
        in.number(k.key, kMin, kMax, v.own.*k.value);
    for (const OtherKey &k : kOtherKeys)
        in.number(k.key, kMin, kMax, v.other.*k.value);
    readCells(in, "cells", v.cells);
    readLast(in, v.side, v.lastMove);
    int64_t battles = 0;
    in.number("battles", 0, static_cast<int64_t>(kViewBattles), battles);
    for (int64_t i = 0; in.ok() && i < battles; ++i) {
        BattleResult b;
        if (readBattle(in, b))
            v.battles.push_back(b);
    }
    return in.ok();
}

} // namespace gw::wire
