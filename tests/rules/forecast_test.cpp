// SPDX-License-Identifier: MIT
// The battle forecast against battles fought with real dice.

#include "core/gamestate.h"
#include "core/random.h"
#include "rules/battle.h"
#include "rules/forecast.h"

#include <gtest/gtest.h>

using namespace gw;

namespace {

struct Matchup {
    const char *name;
    Forces attackers;
    Defenders defenders;
};

// The share of seeded battles in which the defending base took damage, and
// the mean damage.
struct Fought {
    double hit = 0;
    double damage = 0;
};

Fought fight(const Matchup &c, int battles)
{
    Fought f;
    for (int i = 0; i < battles; ++i) {
        GameState s;
        s.recruits = c.attackers[0];
        s.infantry = c.attackers[1];
        s.snipers = c.attackers[2];
        s.mortarcrews = c.attackers[3];
        s.specialunits = c.attackers[4];
        s.enemyrecruits = c.defenders[0];
        s.enemyinfantry = c.defenders[1];
        s.enemysnipers = c.defenders[2];
        s.enemymortarcrews = c.defenders[3];
        s.enemyspecialunits = c.defenders[4];
        s.enemytowers = c.defenders[5];
        s.enemybunkers = c.defenders[6];
        s.enemyminefields = c.defenders[7];
        s.enemybasehp = 100;
        Random dice(static_cast<uint32_t>(i) * 2654435761u + 17u);
        const BattleResult r = fightBattle(s, dice, true);
        const int32_t damage = r.basehpBefore - r.basehpAfter;
        f.hit += damage > 0 ? 1 : 0;
        f.damage += damage;
    }
    f.hit /= battles;
    f.damage /= battles;
    return f;
}

} // namespace

// The forecast is what the opponent bases its choices on: its chance that
// the defence falls and its expected damage must be those of the dice, from
// a clear win to an even fight to a hopeless one, for every kind of force.
TEST(BattleForecast, AgreesWithBattlesFoughtWithDice)
{
    const Matchup setups[] = {
        {"even recruits", {200, 0, 0, 0, 0}, {200, 0, 0, 0, 0, 0, 0, 0}},
        {"a margin of recruits", {240, 0, 0, 0, 0}, {200, 0, 0, 0, 0, 0, 0, 0}},
        {"too few recruits", {160, 0, 0, 0, 0}, {200, 0, 0, 0, 0, 0, 0, 0}},
        {"recruits against towers", {300, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 4, 0, 0}},
        {"a full army against a mixed defence", {150, 10, 5, 3, 2}, {80, 10, 5, 2, 1, 0, 1, 1}},
        {"trained units alone", {0, 40, 30, 0, 10}, {60, 5, 0, 0, 0, 0, 0, 0}},
        {"nobody home", {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Matchup &c : setups) {
        SCOPED_TRACE(c.name);
        const Fought dice = fight(c, 600);
        const BattleForecast f = forecastBattle(c.attackers, c.defenders);
        EXPECT_NEAR(f.clearChance(), dice.hit, 0.08);
        EXPECT_NEAR(f.damage, dice.damage, 2.0);
    }
}

TEST(BattleForecast, ForcesAtZeroOrBelowNeitherFightNorDefend)
{
    const BattleForecast f = forecastBattle({-3, 0, 0, 0, 0}, {-5, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(f.damage, 0.0);
    const BattleForecast g = forecastBattle({4, 0, 0, 0, 0}, {-5, -1, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(g.damage, 5.0);
    EXPECT_EQ(g.attackersLeft[0], 4.0);
}

// The chance to destroy a base counts only the stages that can still hit
// after the first one that clears the defence.
TEST(BattleForecast, ChanceOfDestroyingABaseNeedsEnoughStages)
{
    const BattleForecast f = forecastBattle({10, 1, 1, 0, 0}, {});
    EXPECT_EQ(f.chanceOfAtLeast(15), 1.0);
    EXPECT_EQ(f.chanceOfAtLeast(16), 0.0);
    EXPECT_EQ(f.chanceOfAtLeast(0), 1.0);
}
