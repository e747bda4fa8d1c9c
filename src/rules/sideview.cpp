// SPDX-License-Identifier: MIT
#include "rules/sideview.h"

#include "core/gamestate.h"

namespace gw {

bool OwnFigures::operator==(const OwnFigures &o) const
{
    return cash == o.cash && taxes == o.taxes && recruits == o.recruits && mgs == o.mgs && rifles == o.rifles
           && mortars == o.mortars && specpacks == o.specpacks && infantry == o.infantry && snipers == o.snipers
           && mortarcrews == o.mortarcrews && specialunits == o.specialunits && towers == o.towers
           && bunkers == o.bunkers && minefields == o.minefields && basehp == o.basehp;
}

bool OtherFigures::operator==(const OtherFigures &o) const
{
    return recruits == o.recruits && infantry == o.infantry && snipers == o.snipers && mortarcrews == o.mortarcrews
           && specialunits == o.specialunits && towers == o.towers && bunkers == o.bunkers
           && minefields == o.minefields && basehp == o.basehp;
}

bool SeenMove::operator==(const SeenMove &o) const
{
    return side == o.side && move == o.move && tier == o.tier && amount == o.amount && cell == o.cell
           && cellTaken == o.cellTaken;
}

bool sameBattle(const BattleResult &a, const BattleResult &b)
{
    if (a.attackerIsPlayer != b.attackerIsPlayer || a.basehpBefore != b.basehpBefore
        || a.basehpAfter != b.basehpAfter)
        return false;
    for (std::size_t i = 0; i < a.stages.size(); ++i) {
        const BattleStage &s = a.stages[i], &t = b.stages[i];
        if (s.stage != t.stage || s.attackersAtStart != t.attackersAtStart || s.attackersLost != t.attackersLost
            || s.defendersAtStart != t.defendersAtStart || s.defendersLost != t.defendersLost || s.rollsAgainst != t.rollsAgainst || s.rolls != t.rolls
            || s.damage != t.damage)
            return false;
    }
    return true;
}

bool SideView::operator==(const SideView &o) const
{
    if (battles.size() != o.battles.size())
        return false;
    for (std::size_t i = 0; i < battles.size(); ++i) {
        if (!sameBattle(battles[i], o.battles[i]))
            return false;
    }
    return side == o.side && round == o.round && onTurn == o.onTurn && winner == o.winner && own == o.own
           && other == o.other && cells == o.cells && lastMove == o.lastMove;
}

SeenMove seenBy(Side viewer, const PlayedMove &played)
{
    SeenMove seen;
    seen.side = played.side;
    seen.move = played.move;
    const MoveResult &r = played.result;
    switch (played.move.kind) {
    case Move::Kind::Land:
    case Move::Kind::Expand:
        seen.cell = r.cell;
        seen.cellTaken = r.cellTaken;
        break;
    case Move::Kind::Tier:
        seen.tier = r.tier;
        seen.amount = r.amount;
        break;
    default: break;
    }
    if (viewer == played.side)
        return seen;
    // What the other side bought of equipment stays as hidden as its stocks.
    if (seen.move.kind == Move::Kind::Purchase) {
        for (std::size_t k = 1; k < seen.move.purchase.size(); ++k)
            seen.move.purchase[k] = 0;
    }
    if (seen.move.kind == Move::Kind::Tier && seen.move.action >= 2 && seen.move.action <= 5) {
        seen.tier = seen.tier > 0 ? 1 : 0;
        seen.amount = 0;
    }
    return seen;
}

SideView viewFor(const GameState &state, Side side, Side onTurn, const std::vector<PlayedMove> &recent)
{
    const SideCounters &mine = countersOf(side);
    const SideCounters &theirs = countersOf(otherSide(side));
    SideView v;
    v.side = side;
    v.round = state.rounds;
    v.onTurn = onTurn;
    if (state.enemybasehp <= 0)
        v.winner = Side::Red;
    else if (state.basehp <= 0)
        v.winner = Side::Blue;

    v.own = {state.*mine.cash,         state.*mine.taxes,       state.*mine.recruits,  state.*mine.mgs,
             state.*mine.rifles,       state.*mine.mortars,     state.*mine.specpacks, state.*mine.infantry,
             state.*mine.snipers,      state.*mine.mortarcrews, state.*mine.specialunits,
             state.*mine.towers,       state.*mine.bunkers,     state.*mine.minefields, state.*mine.basehp};
    v.other = {state.*theirs.recruits,   state.*theirs.infantry, state.*theirs.snipers,
               state.*theirs.mortarcrews, state.*theirs.specialunits, state.*theirs.towers,
               state.*theirs.bunkers,    state.*theirs.minefields, state.*theirs.basehp};
    for (int n = 1; n <= kCells; ++n)
        v.cells[static_cast<std::size_t>(n - 1)] = state.memgame.line(static_cast<std::size_t>(n));

    std::vector<const PlayedMove *> done;
    for (const PlayedMove &p : recent) {
        if (p.result)
            done.push_back(&p);
    }
    for (auto it = done.rbegin(); it != done.rend(); ++it) {
        if ((*it)->side != side) {
            v.lastMove = seenBy(side, **it);
            break;
        }
    }
    const std::size_t first = done.size() > kViewBattles ? done.size() - kViewBattles : 0;
    for (std::size_t i = first; i < done.size(); ++i) {
        if (done[i]->result.battle)
            v.battles.push_back(*done[i]->result.battle);
    }
    return v;
}

GameState recordOf(const SideView &view)
{
    GameState s;
    const SideCounters &mine = countersOf(view.side);
    const SideCounters &theirs = countersOf(otherSide(view.side));
    const OwnFigures &o = view.own;
    s.*mine.cash = o.cash;
    s.*mine.taxes = o.taxes;
    s.*mine.recruits = o.recruits;
    s.*mine.mgs = o.mgs;
    s.*mine.rifles = o.rifles;
    s.*mine.mortars = o.mortars;
    s.*mine.specpacks = o.specpacks;
    s.*mine.infantry = o.infantry;
    s.*mine.snipers = o.snipers;
    s.*mine.mortarcrews = o.mortarcrews;
    s.*mine.specialunits = o.specialunits;
    s.*mine.towers = o.towers;
    s.*mine.bunkers = o.bunkers;
    s.*mine.minefields = o.minefields;
    s.*mine.basehp = o.basehp;
    const OtherFigures &t = view.other;
    s.*theirs.recruits = t.recruits;
    s.*theirs.infantry = t.infantry;
    s.*theirs.snipers = t.snipers;
    s.*theirs.mortarcrews = t.mortarcrews;
    s.*theirs.specialunits = t.specialunits;
    s.*theirs.towers = t.towers;
    s.*theirs.bunkers = t.bunkers;
    s.*theirs.minefields = t.minefields;
    s.*theirs.basehp = t.basehp;
    s.rounds = view.round;
    s.fieldactive = 1;
    for (int n = 1; n <= kCells; ++n)
        s.memgame.setLine(static_cast<std::size_t>(n), view.cell(n));
    return s;
}

} // namespace gw
