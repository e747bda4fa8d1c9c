// SPDX-License-Identifier: MIT
// The battle report's figures as a player can check them against the
// forces before the attack: nobody loses more than they had, no "-0", and
// the sums right for any counts a saved game can hold.
#include "gameplay.h"

#include "core/cells.h"
#include "core/random.h"
#include "rules/battle.h"

#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <map>

namespace {

// One stage line of the report, as the player reads it.
struct StageLine {
    QString force;
    int64_t count = 0, attackersLost = 0, defendersLost = 0;
    std::map<QString, int64_t> perDefender;
};

// The stage lines of the player's attack, from the report on the screen;
// a stage without a force has no line here.
std::vector<StageLine> reportedStages(const Harness &h)
{
    static const QRegularExpression line(
        R"(^\d\. (\S+) \((\d+)\): [^;]+; Verluste: Angreifer (\d+), Verteidiger (\d+)(?: \((.*)\))?; Schaden \d+$)");
    static const QRegularExpression loss(R"(^(\S+) -(\d+)$)");
    std::vector<StageLine> stages;
    for (const QString &text : h.find<QLabel>("labreport1")->text().split('\n')) {
        EXPECT_FALSE(text.contains(QRegularExpression(R"(-0\b)"))) << text.toStdString();
        const QRegularExpressionMatch m = line.match(text);
        if (!m.hasMatch()) {
            EXPECT_TRUE(text.contains("kein Einsatz") || text.startsWith("HP der Basis")) << text.toStdString();
            continue;
        }
        StageLine st{m.captured(1), m.captured(2).toLongLong(), m.captured(3).toLongLong(),
                     m.captured(4).toLongLong(), {}};
        int64_t sum = 0;
        for (const QString &part : m.captured(5).split(", ", Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch l = loss.match(part);
            EXPECT_TRUE(l.hasMatch()) << part.toStdString();
            st.perDefender[l.captured(1)] += l.captured(2).toLongLong();
            sum += l.captured(2).toLongLong();
        }
        EXPECT_EQ(st.defendersLost, sum) << text.toStdString();
        EXPECT_LE(st.attackersLost, st.count) << text.toStdString();
        stages.push_back(st);
    }
    return stages;
}

void attackBase(Harness &h)
{
    h.click("btnfight");
    h.click("btnletsfight");
    h.click(QString("Image%1").arg(firstCell(h.gw->state(), [](const std::string &c) { return c == gw::kBlueBase; })));
}

TEST(ReportFigures, NoForceAndNoDefenderLosesMoreThanItHad)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        // One of each force against one infantryman, sniper and tower: a
        // roll of the infantryman's die may cost two men of a force of one,
        // a lost roll of a later stage up to five defenders.
        s.recruits = s.infantry = s.snipers = s.mortarcrews = s.specialunits = 1;
        s.enemyrecruits = s.enemymortarcrews = s.enemyspecialunits = s.enemybunkers = s.enemyminefields = 0;
        s.enemyinfantry = s.enemysnipers = s.enemytowers = 1;
        s.basehp = s.enemybasehp = 100;
        h.gw->random().seed(seed);
        attackBase(h);
        std::map<QString, int64_t> lost;
        for (const StageLine &st : reportedStages(h)) {
            for (const auto &[defender, n] : st.perDefender)
                lost[defender] += n;
        }
        for (const auto &[defender, n] : lost)
            EXPECT_LE(n, 1) << defender.toStdString() << ": the opponent had one";
        h.click("btnclosereport");
    }
}

TEST(ReportFigures, TheSumsAreRightForTheLargestArmiesASaveCanHold)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    s.recruits = s.enemyrecruits = s.enemyinfantry = INT_MAX;
    // Dice under which the player's recruits outlast the opponent's and
    // fell infantry after them: more than INT_MAX defenders in one stage.
    uint32_t seed = 1;
    for (;; ++seed) {
        gw::GameState copy = s;
        gw::Random random(seed);
        const gw::BattleStage first = gw::fightBattle(copy, random, true).stages[0];
        if (int64_t{first.defendersLost[0]} + first.defendersLost[1] > INT_MAX)
            break;
        ASSERT_LT(seed, 200u) << "no such dice";
    }
    h.gw->random().seed(seed);
    attackBase(h);
    std::vector<StageLine> stages = reportedStages(h);
    ASSERT_EQ(stages.size(), 1u);
    EXPECT_EQ(stages[0].count, INT_MAX);
    EXPECT_GT(stages[0].defendersLost, int64_t{INT_MAX});
    EXPECT_EQ(stages[0].perDefender["Rekruten"], INT_MAX);
}

} // namespace
