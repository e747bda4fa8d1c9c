// SPDX-License-Identifier: MIT
#include "rules/side.h"

#include "core/cells.h"
#include "core/gamestate.h"
#include "rules/screen.h"

#include <utility>

namespace gw {

namespace {

const SideCounters kRed = {
    &GameState::cash,        &GameState::taxes,    &GameState::recruits,    &GameState::mgs,
    &GameState::rifles,      &GameState::mortars,  &GameState::specpacks,   &GameState::infantry,
    &GameState::snipers,     &GameState::mortarcrews, &GameState::specialunits, &GameState::towers,
    &GameState::bunkers,     &GameState::minefields, &GameState::basehp,
};

const SideCounters kBlue = {
    &GameState::enemycash,        &GameState::enemytaxes,    &GameState::enemyrecruits,
    &GameState::enemymgs,         &GameState::enemyrifles,   &GameState::enemymortars,
    &GameState::enemyspecpacks,   &GameState::enemyinfantry, &GameState::enemysnipers,
    &GameState::enemymortarcrews, &GameState::enemyspecialunits, &GameState::enemytowers,
    &GameState::enemybunkers,     &GameState::enemyminefields, &GameState::enemybasehp,
};

// A cell's state with its owner word exchanged; anything else as it is.
std::string exchangedOwner(const std::string &cell)
{
    static const std::string red = "Red_", blue = "Blue_";
    if (cell.compare(0, red.size(), red) == 0)
        return blue + cell.substr(red.size());
    if (cell.compare(0, blue.size(), blue) == 0)
        return red + cell.substr(blue.size());
    return cell;
}

} // namespace

SideCounters::Counter SideCounters::equipment(int kind) const
{
    const Counter kinds[] = {mgs, rifles, mortars, specpacks};
    return kinds[kind];
}

SideCounters::Counter SideCounters::units(int kind) const
{
    const Counter kinds[] = {infantry, snipers, mortarcrews, specialunits};
    return kinds[kind];
}

SideCounters::Counter SideCounters::stock(int kind) const
{
    const Counter kinds[] = {recruits, mgs, rifles, mortars, specpacks};
    return kinds[kind];
}

const SideCounters &countersOf(Side side) { return side == Side::Red ? kRed : kBlue; }

std::string ownedState(Side side, const Terrain &t)
{
    return side == Side::Red ? playerState(t) : opponentState(t);
}

const char *baseState(Side side) { return side == Side::Red ? "Red_Base" : kBlueBase; }

GameState mirrored(const GameState &state)
{
    GameState m = state;
    const SideCounters::Counter red[] = {kRed.cash, kRed.taxes, kRed.recruits, kRed.mgs, kRed.rifles,
                                         kRed.mortars, kRed.specpacks, kRed.infantry, kRed.snipers,
                                         kRed.mortarcrews, kRed.specialunits, kRed.towers, kRed.bunkers,
                                         kRed.minefields, kRed.basehp};
    const SideCounters::Counter blue[] = {kBlue.cash, kBlue.taxes, kBlue.recruits, kBlue.mgs, kBlue.rifles,
                                          kBlue.mortars, kBlue.specpacks, kBlue.infantry, kBlue.snipers,
                                          kBlue.mortarcrews, kBlue.specialunits, kBlue.towers, kBlue.bunkers,
                                          kBlue.minefields, kBlue.basehp};
    for (std::size_t i = 0; i < std::size(red); ++i)
        std::swap(m.*red[i], m.*blue[i]);
    for (int n = 1; n <= kCells; ++n) {
        const auto line = static_cast<std::size_t>(n);
        const std::string &cell = state.memgame.line(line);
        if (!cell.empty())
            m.memgame.setLine(line, exchangedOwner(cell));
    }
    return m;
}

int32_t counterValue(const GameState &s, CounterLabel label, Side side)
{
    const SideCounters &c = countersOf(side);
    switch (label) {
    case CounterLabel::Cash: return s.*c.cash;
    case CounterLabel::Taxes: return s.*c.taxes;
    case CounterLabel::Recruits: return s.*c.recruits;
    case CounterLabel::Mgs: return s.*c.mgs;
    case CounterLabel::Rifles: return s.*c.rifles;
    case CounterLabel::Mortars: return s.*c.mortars;
    case CounterLabel::Specpacks: return s.*c.specpacks;
    case CounterLabel::Infantry: return s.*c.infantry;
    case CounterLabel::Snipers: return s.*c.snipers;
    case CounterLabel::Mortarcrews: return s.*c.mortarcrews;
    case CounterLabel::Specialunits: return s.*c.specialunits;
    }
    return 0;
}

} // namespace gw
