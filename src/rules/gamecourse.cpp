// SPDX-License-Identifier: MIT
#include "rules/gamecourse.h"

#include "core/cells.h"
#include "core/gamestate.h"
#include "rules/battle.h"
#include "rules/replay.h"
#include "rules/screen.h"
#include "rules/side.h"

#include <algorithm>

namespace gw {

namespace {

int64_t positive(int32_t v) { return std::max<int64_t>(v, 0); }

std::size_t at(Side side) { return static_cast<std::size_t>(side); }

CoursePoint pointOf(const GameState &s)
{
    CoursePoint p;
    p.round = s.rounds;
    for (Side side : {Side::Red, Side::Blue}) {
        const SideCounters &c = countersOf(side);
        SideFigures &f = p.side[at(side)];
        f.income = s.*c.taxes;
        f.gold = s.*c.cash;
        f.strength = armyStrength(s, side);
        f.basehp = s.*c.basehp;
    }
    return p;
}

void countBattle(GameCourse &course, Side attacker, const BattleResult &battle)
{
    if (!battle.hadAttackers())
        return;
    SideTotals &a = course.totals[at(attacker)];
    SideTotals &d = course.totals[at(otherSide(attacker))];
    const int64_t damage = std::max<int64_t>(int64_t{battle.basehpBefore} - battle.basehpAfter, 0);
    ++a.attacks;
    a.damageDealt += damage;
    d.damageTaken += damage;
    ++(damage > 0 ? a : d).battlesWon;
    // Both armies as they stood when the battle began: the attacker's five
    // forces each at the start of its stage (no other stage touches them),
    // the defender's at the start of the first.
    int64_t attacking = 0, defending = 0;
    for (const BattleStage &s : battle.stages)
        attacking += positive(s.attackersAtStart);
    for (std::size_t i = 0; i < 5; ++i)
        defending += positive(battle.stages[0].defendersAtStart[i]);
    a.largestArmy = std::max(a.largestArmy, attacking);
    d.largestArmy = std::max(d.largestArmy, defending);
}

void countArmies(GameCourse &course, const GameState &s)
{
    for (Side side : {Side::Red, Side::Blue}) {
        SideTotals &t = course.totals[at(side)];
        t.largestArmy = std::max(t.largestArmy, soldiers(s, side));
    }
}

} // namespace

int64_t armyStrength(const GameState &s, Side side)
{
    const SideCounters &c = countersOf(side);
    return positive(s.*c.recruits) + 2 * positive(s.*c.infantry) + 3 * positive(s.*c.snipers)
           + 4 * positive(s.*c.mortarcrews) + 5 * positive(s.*c.specialunits);
}

int64_t soldiers(const GameState &s, Side side)
{
    const SideCounters &c = countersOf(side);
    return positive(s.*c.recruits) + positive(s.*c.infantry) + positive(s.*c.snipers) + positive(s.*c.mortarcrews)
           + positive(s.*c.specialunits);
}

int32_t landHeld(const GameState &s, Side side)
{
    const std::string owner = side == Side::Red ? "Red_" : "Blue_";
    int32_t held = 0;
    for (int n = 1; n <= kCells; ++n) {
        const std::string &cell = s.memgame.line(static_cast<std::size_t>(n));
        if (cell.compare(0, owner.size(), owner) == 0 && cell != baseState(side))
            ++held;
    }
    return held;
}

GameCourse gameCourse(const MoveLog &log)
{
    GameCourse course;
    course.mapName = log.mapName;
    course.players = log.players;
    course.level = log.start.enemylevel;
    course.winner = log.winner;
    LogReadResult read;
    read.log = log;
    Replay replay(read);
    course.endRound = replay.lastRound();
    SilentScreen silent;
    course.points.reserve(log.rounds.size() + 1);
    course.points.push_back(pointOf(replay.state()));
    countArmies(course, replay.state());
    std::array<int32_t, 2> land = {landHeld(replay.state(), Side::Red), landHeld(replay.state(), Side::Blue)};
    while (!replay.over()) {
        const ReplayStep step = replay.step(silent);
        if (step.outcome == ReplayStep::Outcome::Parted) {
            // The end of a game not yet decided is no parting.
            if (step.parting != ReplayParting::CutOff || step.round <= replay.lastRound())
                course.partedAt = step.round;
            break;
        }
        if (step.redResult.battle)
            countBattle(course, Side::Red, *step.redResult.battle);
        if (step.blueResult.battle)
            countBattle(course, Side::Blue, *step.blueResult.battle);
        course.points.push_back(pointOf(replay.state()));
        countArmies(course, replay.state());
        for (Side side : {Side::Red, Side::Blue})
            land[at(side)] = landHeld(replay.state(), side);
    }
    // The land of the last round played back whole.
    for (Side side : {Side::Red, Side::Blue})
        course.totals[at(side)].land = land[at(side)];
    return course;
}

} // namespace gw
