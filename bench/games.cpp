// SPDX-License-Identifier: MIT
#include "games.h"

#include "core/gamestate.h"
#include "core/random.h"
#include "rules/actions.h"
#include "rules/battle.h"
#include "rules/enemyturn.h"
#include "rules/lookahead.h"
#include "rules/move.h"
#include "rules/opponent.h"
#include "rules/screen.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace arena {

Sight sightOf(const gw::GameState &s, const gw::EnemyTurnResult *lastmove)
{
    Sight v;
    v.rounds = s.rounds;
    v.cash = s.cash;
    v.taxes = s.taxes;
    v.basehp = s.basehp;
    v.recruits = s.recruits;
    v.mgs = s.mgs;
    v.rifles = s.rifles;
    v.mortars = s.mortars;
    v.specpacks = s.specpacks;
    v.infantry = s.infantry;
    v.snipers = s.snipers;
    v.mortarcrews = s.mortarcrews;
    v.specialunits = s.specialunits;
    v.towers = s.towers;
    v.bunkers = s.bunkers;
    v.minefields = s.minefields;
    v.enemyforces = {s.enemyrecruits, s.enemyinfantry, s.enemysnipers, s.enemymortarcrews, s.enemyspecialunits};
    v.enemybasehp = s.enemybasehp;
    v.field = &s.memgame;
    v.lastmove = lastmove;
    return v;
}

namespace {


// One line per round: the player's order, the opponent's move, both sides.
void traceRound(const gw::GameState &s, const Order &o, const gw::EnemyTurnResult &t)
{
    std::printf("r%-3d %-22s | %-22s | P hp%3d $%6d tax%5d F %d/%d/%d/%d/%d D %d/%d/%d K %d/%d/%d/%d"
                " | O hp%3d $%6d tax%5d F %d/%d/%d/%d/%d D %d/%d/%d K %d/%d/%d/%d\n",
                s.rounds, gw::moveText(o).c_str(), gw::moveText(t.move).c_str(), s.basehp, s.cash, s.taxes,
                s.recruits, s.infantry, s.snipers, s.mortarcrews, s.specialunits, s.towers, s.bunkers, s.minefields,
                s.mgs, s.rifles, s.mortars, s.specpacks, s.enemybasehp, s.enemycash, s.enemytaxes, s.enemyrecruits,
                s.enemyinfantry, s.enemysnipers, s.enemymortarcrews, s.enemyspecialunits, s.enemytowers,
                s.enemybunkers, s.enemyminefields, s.enemymgs, s.enemyrifles, s.enemymortars, s.enemyspecpacks);
}

void traceReasons(const gw::GameState &s, const gw::LookaheadWeights *weights)
{
    for (const gw::LookaheadTrial &t : gw::lookaheadTrials(s, weights ? *weights : gw::LookaheadWeights{}))
        std::printf("      tried %-24s worst reply %-24s value %.0f\n", gw::moveText(t.move).c_str(),
                    gw::moveText(t.reply).c_str(), t.value);
}

} // namespace

GameResult playGame(const gw::LoadedMap &map, int level, Player &player, uint32_t seed, int32_t limit,
                    const gw::Opponent *opponent, Trace trace, const gw::LookaheadWeights *weights,
                    const std::function<void(const gw::GameState &)> &onDecision)
{
    gw::GameState s;
    gw::applyMap(s, map);
    s.enemylevel = level;
    gw::Random random(seed);
    gw::SilentScreen screen;
    player.newGame();
    GameResult r;
    std::optional<gw::EnemyTurnResult> last;
    while (s.rounds < limit) {
        std::optional<gw::BattleResult> battle;
        bool ended = false;
        Order order;
        for (int attempt = 0; attempt < 3 && !ended; ++attempt) {
            order = player.play(sightOf(s, last ? &*last : nullptr));
            const gw::MoveResult done = gw::applyMove(s, gw::Side::Red, order, random, screen);
            battle = done.battle;
            ended = static_cast<bool>(done);
            if (!ended)
                ++r.refused;
        }
        const bool beaten = battle && battle->baseDestroyed();
        if (opponent) {
            gw::openSecondHalf(s, screen);
            gw::EnemyTurnResult turn;
            if (!beaten) {
                if (trace == Trace::Reasons)
                    traceReasons(s, weights);
                if (onDecision)
                    onDecision(s);
                const gw::Move move = opponent->choose(s, random);
                turn = gw::turnResult(move, gw::applyMove(s, gw::Side::Blue, move, random, screen));
            }
            gw::closeRound(s, screen);
            last = turn;
        } else {
            if (trace == Trace::Reasons && level == 2) {
                gw::GameState ahead = s;
                gw::openSecondHalf(ahead, screen);
                traceReasons(ahead, weights);
            }
            last = gw::enemyturn(s, random, screen, beaten);
        }
        if (trace != Trace::None)
            traceRound(s, order, *last);
        if (s.enemybasehp <= 0) {
            r.outcome = Outcome::Win;
            break;
        }
        if (s.basehp <= 0) {
            r.outcome = Outcome::Loss;
            break;
        }
    }
    r.rounds = s.rounds;
    return r;
}

void Tally::add(const GameResult &r)
{
    ++games;
    refused += r.refused;
    if (r.outcome == Outcome::Win)
        wins.push_back(r.rounds);
    else if (r.outcome == Outcome::Loss)
        losses.push_back(r.rounds);
    else
        ++cut;
}

double medianOf(std::vector<int32_t> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

std::string medianText(const std::vector<int32_t> &v)
{
    if (v.empty())
        return "-";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", medianOf(v));
    return buf;
}

} // namespace arena
