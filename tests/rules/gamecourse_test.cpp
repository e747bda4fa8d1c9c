// SPDX-License-Identifier: MIT
// A game's course worked out from its move log: seeded games of every kind,
// watched from outside while they are played, must give the same figures
// round by round and the same battles, damage, land and armies; a log that
// parts from its game, or one not yet decided, gives the rounds it holds.

#include "core/cells.h"
#include "core/gamestate.h"
#include "core/random.h"
#include "core/savegame.h"
#include "rules/actions.h"
#include "rules/enemyturn.h"
#include "rules/gamecourse.h"
#include "rules/movelog.h"
#include "rules/screen.h"
#include "rules/side.h"
#include "state_snapshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace gw;

namespace {

constexpr int kRedBase = 30, kBlueBase = 190;

GameState startRecord(int32_t level)
{
    GameState s;
    test::fillField(s, "None_Grass");
    s.memgame.setLine(0, "Testkarte");
    s.memgame.setLine(kRedBase, "Red_Base");
    s.memgame.setLine(kBlueBase, "Blue_Base");
    // Some land each side holds from the start, and better land to buy.
    for (int n : {10, 11, 12})
        s.memgame.setLine(static_cast<std::size_t>(n), "Red_Farm");
    for (int n : {200, 201})
        s.memgame.setLine(static_cast<std::size_t>(n), "Blue_Sand");
    for (int n = 50; n < 170; n += 9)
        s.memgame.setLine(static_cast<std::size_t>(n), "None_SkyScraper");
    s.cash = 1000;
    s.enemycash = 1500;
    s.taxes = 50;
    s.enemytaxes = 70;
    s.basehp = s.enemybasehp = 100;
    s.enemylevel = level;
    s.fieldactive = 1;
    return s;
}

std::size_t at(Side side) { return static_cast<std::size_t>(side); }

// What an onlooker sees of a game while it is played, counted its own way.
struct Watched {
    std::vector<CoursePoint> points;
    std::array<SideTotals, 2> totals{};
    std::array<int32_t, 2> landTaken{};

    void sample(const GameState &s)
    {
        CoursePoint p;
        p.round = s.rounds;
        // The strength "Information" shows, for Blue on the record seen
        // from its side.
        GameState red = s, blue = mirrored(s);
        computeStrength(red);
        computeStrength(blue);
        p.side[0] = {s.taxes, s.cash, red.offense, s.basehp};
        p.side[1] = {s.enemytaxes, s.enemycash, blue.offense, s.enemybasehp};
        points.push_back(p);
    }
    void armies(const GameState &s)
    {
        const int32_t red[] = {s.recruits, s.infantry, s.snipers, s.mortarcrews, s.specialunits};
        const int32_t blue[] = {s.enemyrecruits, s.enemyinfantry, s.enemysnipers, s.enemymortarcrews,
                                s.enemyspecialunits};
        int64_t r = 0, b = 0;
        for (int i = 0; i < 5; ++i) {
            r += std::max(red[i], 0);
            b += std::max(blue[i], 0);
        }
        totals[0].largestArmy = std::max(totals[0].largestArmy, r);
        totals[1].largestArmy = std::max(totals[1].largestArmy, b);
    }
    // A move of `side` took the record from `before` to `after`.
    void moved(Side side, const Move &move, const GameState &before, const GameState &after)
    {
        armies(after);
        const SideCounters &own = countersOf(side), &other = countersOf(otherSide(side));
        if (before.memgame.lines() != after.memgame.lines()) {
            ++landTaken[at(side)];
            return;
        }
        const bool troops = before.*own.recruits > 0 || before.*own.infantry > 0 || before.*own.snipers > 0
                            || before.*own.mortarcrews > 0 || before.*own.specialunits > 0;
        if (move.kind != Move::Kind::Attack || !troops)
            return;
        const int64_t lost = int64_t{before.*other.basehp} - after.*other.basehp;
        ++totals[at(side)].attacks;
        totals[at(side)].damageDealt += lost;
        totals[at(otherSide(side))].damageTaken += lost;
        ++totals[at(lost > 0 ? side : otherSide(side))].battlesWon;
    }
};

// Moves of a player that buys recruits and land and attacks often, so the
// game is decided and has battles both ways.
Move anyMove(std::mt19937 &rng, Side side)
{
    auto pick = [&rng](int32_t n) { return static_cast<int32_t>(rng() % static_cast<uint32_t>(n)); };
    switch (pick(6)) {
    case 0: return Move::land(50 + 9 * pick(14));
    case 1: return Move::order({pick(150), pick(3), 0, 0, 0});
    case 2: return Move::train({pick(4), 0, 0, 0});
    case 3: return Move::construction(Building::Minefield);
    default: return Move::attack(side == Side::Red ? kBlueBase : kRedBase);
    }
}

struct Played {
    MoveLog log;
    Watched watched;
    GameState end;
};

Played play(Players players, int32_t level, uint32_t seed, int32_t baseHp = 100)
{
    Played g;
    GameState s = startRecord(level);
    s.basehp = s.enemybasehp = baseHp;
    Random random(seed);
    SilentScreen screen;
    std::mt19937 rng(seed);
    g.log.begin("Testkarte", players, random.state(), s);
    g.watched.sample(s);
    g.watched.armies(s);
    auto move = [&](Side side) {
        for (int tries = 0; tries < 4; ++tries) {
            const Move m = anyMove(rng, side);
            const GameState before = s;
            const MoveResult r = applyMove(s, side, m, random, screen);
            if (r) {
                g.log.addMove(side, m);
                g.watched.moved(side, m, before, s);
                return r;
            }
        }
        g.log.addMove(side, Move::endRound());
        return applyMove(s, side, Move::endRound(), random, screen);
    };
    while (s.rounds < 500) {
        const MoveResult red = move(Side::Red);
        const bool blueBeaten = red.battle && red.battle->baseDestroyed();
        bool redBeaten = false;
        if (players == Players::Computer) {
            const GameState before = s;
            const EnemyTurnResult t = enemyturn(s, random, screen, blueBeaten);
            if (!blueBeaten) {
                g.log.addMove(Side::Blue, t.move);
                g.watched.moved(Side::Blue, t.move, before, s);
            }
            redBeaten = t.battle && t.battle->baseDestroyed();
        } else {
            openSecondHalf(s, screen);
            if (!blueBeaten)
                redBeaten = [&] { const MoveResult b = move(Side::Blue); return b.battle && b.battle->baseDestroyed(); }();
            closeRound(s, screen);
        }
        g.log.closeRound(s);
        g.watched.sample(s);
        if (blueBeaten || redBeaten) {
            g.log.finish(blueBeaten ? Side::Red : Side::Blue);
            break;
        }
    }
    g.end = s;
    return g;
}

void expectSameFigures(const std::vector<CoursePoint> &course, const std::vector<CoursePoint> &watched)
{
    ASSERT_EQ(course.size(), watched.size());
    for (std::size_t i = 0; i < course.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "point " << i);
        EXPECT_EQ(course[i].round, watched[i].round);
        for (std::size_t side = 0; side < 2; ++side) {
            const SideFigures &c = course[i].side[side], &w = watched[i].side[side];
            EXPECT_EQ(c.income, w.income);
            EXPECT_EQ(c.gold, w.gold);
            EXPECT_EQ(c.strength, w.strength);
            EXPECT_EQ(c.basehp, w.basehp);
        }
    }
}

} // namespace

TEST(GameCourse, EveryFigureIsWhatTheGameDidAsItWasPlayed)
{
    int battles = 0;
    for (Players players : {Players::Computer, Players::SameScreen}) {
        for (int32_t level : {0, 1, 2}) {
            if (players == Players::SameScreen && level > 0)
                continue; // the level plays no part between two players
            for (uint32_t seed : {11u, 2024u, 90210u}) {
                SCOPED_TRACE(testing::Message() << "players " << static_cast<int>(players) << " level " << level
                                                << " seed " << seed);
                const Played g = play(players, level, seed);
                ASSERT_TRUE(g.log.winner) << "the game should be decided";
                const GameCourse course = gameCourse(g.log);
                EXPECT_EQ(course.partedAt, 0);
                EXPECT_EQ(course.winner, g.log.winner);
                EXPECT_EQ(course.mapName, "Testkarte");
                EXPECT_EQ(course.players, players);
                EXPECT_EQ(course.level, level);
                EXPECT_EQ(course.lastRound(), g.end.rounds);
                EXPECT_EQ(course.endRound, g.end.rounds);
                expectSameFigures(course.points, g.watched.points);
                for (Side side : {Side::Red, Side::Blue}) {
                    SCOPED_TRACE(side == Side::Red ? "Red" : "Blue");
                    const SideTotals &c = course.of(side), &w = g.watched.totals[at(side)];
                    EXPECT_EQ(c.attacks, w.attacks);
                    EXPECT_EQ(c.battlesWon, w.battlesWon);
                    EXPECT_EQ(c.damageDealt, w.damageDealt);
                    EXPECT_EQ(c.damageTaken, w.damageTaken);
                    EXPECT_EQ(c.largestArmy, w.largestArmy);
                    // The land held from the start and every cell taken since.
                    EXPECT_EQ(c.land, (side == Side::Red ? 3 : 2) + g.watched.landTaken[at(side)]);
                    battles += c.attacks;
                }
                // Every battle has one winner, and the loser's base took
                // all the winner's damage.
                EXPECT_EQ(course.of(Side::Red).battlesWon + course.of(Side::Blue).battlesWon,
                          course.of(Side::Red).attacks + course.of(Side::Blue).attacks);
                EXPECT_EQ(course.of(Side::Blue).damageTaken, course.of(Side::Red).damageDealt);
                const Side loser = otherSide(*course.winner);
                EXPECT_LE(course.points.back().side[at(loser)].basehp, 0);
            }
        }
    }
    EXPECT_GT(battles, 50) << "the games should have battles to count";
}

TEST(GameCourse, ALogThatPartsOrIsNotDecidedGivesTheRoundsItHolds)
{
    const Played g = play(Players::Computer, 0, 11);
    ASSERT_TRUE(g.log.winner);
    ASSERT_GT(g.log.rounds.size(), 8u);

    // The first rounds only, the game not decided: no parting, no winner.
    MoveLog cut = g.log;
    cut.rounds.resize(6);
    cut.winner.reset();
    GameCourse course = gameCourse(cut);
    EXPECT_EQ(course.partedAt, 0);
    EXPECT_FALSE(course.winner);
    expectSameFigures(course.points, {g.watched.points.begin(), g.watched.points.begin() + 7});

    // A log changed in round 5 (its hash): the course ends with round 4.
    MoveLog changed = g.log;
    changed.rounds[4].hash = *changed.rounds[4].hash ^ 1;
    course = gameCourse(changed);
    EXPECT_EQ(course.partedAt, 5);
    EXPECT_EQ(course.lastRound(), 4);
    EXPECT_EQ(course.endRound, g.end.rounds) << "the log still says how long the game went";
    expectSameFigures(course.points, {g.watched.points.begin(), g.watched.points.begin() + 5});
}

TEST(GameCourse, AGameOfFiveHundredRoundsIsReportedWholeAndSavedInUnder100KB)
{
    for (int32_t level : {0, 2}) {
        SCOPED_TRACE(level);
        const Played g = play(Players::Computer, level, 5, 1'000'000);
        ASSERT_EQ(g.end.rounds, 500);
        SavedGame save;
        save.mapName = "Testkarte";
        save.state = g.end;
        save.log = moveLogLines(g.log);
        EXPECT_LT(saveText(save).size(), 100u * 1024u);
        const GameCourse course = gameCourse(g.log);
        EXPECT_EQ(course.partedAt, 0);
        expectSameFigures(course.points, g.watched.points);
    }
}
