// SPDX-License-Identifier: MIT
// The attack prompt's forecast: what it shows is the battle forecast's, for
// the forces as they stand, and showing it changes nothing; "Abbrechen"
// closes the prompt like Escape; its texts stay on their lines.
#include "gameplay.h"

#include "rules/forecast.h"
#include "rules/state_snapshot.h"
#include "ui/language.h"
#include "ui/panels/attackpanel.h"
#include "ui/widgets/meter.h"

#include <QCoreApplication>
#include <QLabel>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Army {
    gw::Forces forces;
    gw::Defenders defenders;
    int32_t enemybasehp;
};

void putArmy(gw::GameState &s, const Army &a)
{
    s.recruits = a.forces[0];
    s.infantry = a.forces[1];
    s.snipers = a.forces[2];
    s.mortarcrews = a.forces[3];
    s.specialunits = a.forces[4];
    s.enemyrecruits = a.defenders[0];
    s.enemyinfantry = a.defenders[1];
    s.enemysnipers = a.defenders[2];
    s.enemymortarcrews = a.defenders[3];
    s.enemyspecialunits = a.defenders[4];
    s.enemytowers = a.defenders[5];
    s.enemybunkers = a.defenders[6];
    s.enemyminefields = a.defenders[7];
    s.enemybasehp = a.enemybasehp;
}

TEST(AttackPrompt, ShowsTheForecastOfTheForcesAsTheyStandAndChangesNothing)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    const Army armies[] = {
        {{1, 1, 1, 1, 1}, {}, 25},                          // nothing in the way: every stage gets through
        {{1, 1, 1, 1, 1}, {}, 30},                          // ... and still the base stands
        {{40, 0, 3, 0, 0}, {10, 0, 0, 0, 0, 1, 0, 2}, 100}, // a tower and minefields in the way
        {{999, 999, 999, 999, 999}, {999, 999, 999, 999, 999, 999, 999, 999}, 20},
        {{0, 0, 0, 0, 0}, {5, 0, 0, 0, 0, 0, 0, 0}, 100},   // no forces at all
    };
    for (const Army &army : armies) {
        SCOPED_TRACE(army.forces[0]);
        putArmy(s, army);
        const auto record = gw::test::snapshot(s);
        const uint32_t generator = h.gw->random().state();
        h.click("btnfight");
        ASSERT_FALSE(h.widget("panfight")->isHidden());
        const gw::BattleForecast f = gw::forecastBattle(army.forces, army.defenders);
        for (std::size_t st = 0; st < 5; ++st) {
            const QString n = QString::number(st + 1);
            SCOPED_TRACE(st + 1);
            EXPECT_TRUE(textOf(h, ("labstage" + n).toUtf8()).endsWith(QString("(%1)").arg(army.forces[st])));
            const QString chance = textOf(h, ("labchance" + n).toUtf8());
            EXPECT_EQ(chance, army.forces[st] > 0 ? gw::AttackPanel::percent(f.stageHits[st]) : "–");
            EXPECT_DOUBLE_EQ(h.find<gw::Meter>("barstage" + n)->fraction(), army.forces[st] > 0 ? f.stageHits[st] : 0);
        }
        EXPECT_EQ(textOf(h, "labforecastdamage"), QString("Erwarteter Schaden: ca. %1 HP").arg(std::lround(f.damage)));
        EXPECT_EQ(textOf(h, "labforecastdestroy"), "Chance, die Basis zu zerstören: " +
                                                       gw::AttackPanel::percent(f.chanceOfAtLeast(army.enemybasehp)));
        h.click("btncancelfight");
        EXPECT_TRUE(h.widget("panfight")->isHidden());
        EXPECT_EQ(gw::test::snapshot(s), record) << "the forecast rolls nothing and changes nothing";
        EXPECT_EQ(h.gw->random().state(), generator);
    }
    // The first two: every stage through, 25 damage; the base of 25 falls,
    // the base of 30 does not.
    putArmy(s, armies[0]);
    h.click("btnfight");
    for (const char *chance : {"labchance1", "labchance3", "labchance5"})
        EXPECT_EQ(textOf(h, chance), "100 %");
    EXPECT_EQ(textOf(h, "labforecastdamage"), "Erwarteter Schaden: ca. 25 HP");
    EXPECT_EQ(textOf(h, "labforecastdestroy"), "Chance, die Basis zu zerstören: 100 %");
    putArmy(s, armies[1]);
    h.click("btnfight");
    EXPECT_EQ(textOf(h, "labforecastdestroy"), "Chance, die Basis zu zerstören: 0 %");
    EXPECT_TRUE(h.boxes.boxes().empty());
    EXPECT_EQ(s.rounds, 0) << "no turn was spent";
}

TEST(AttackPrompt, ChancesAreWordedInWholePercentsAndNeverAsCertainWhenTheyAreNot)
{
    EXPECT_EQ(gw::AttackPanel::percent(0), "0 %");
    EXPECT_EQ(gw::AttackPanel::percent(0.004), "< 1 %");
    EXPECT_EQ(gw::AttackPanel::percent(0.006), "1 %");
    EXPECT_EQ(gw::AttackPanel::percent(0.5), "50 %");
    EXPECT_EQ(gw::AttackPanel::percent(0.994), "99 %");
    EXPECT_EQ(gw::AttackPanel::percent(0.996), "> 99 %");
    EXPECT_EQ(gw::AttackPanel::percent(1), "100 %");
}

TEST(AttackPrompt, CancelClosesItLikeEscapeAndTheAttackStillWorksAfterwards)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    s.recruits = 2;
    h.click("btnfight");
    h.click("btncancelfight");
    EXPECT_TRUE(h.widget("panfight")->isHidden());
    EXPECT_EQ(s.fieldmode, 0) << "no attack chosen";
    EXPECT_EQ(s.rounds, 0);
    h.click("btnfight");
    h.click("btnletsfight");
    EXPECT_TRUE(h.widget("panfight")->isHidden());
    EXPECT_EQ(s.fieldmode, 2);
}

TEST(AttackPrompt, EveryTextStaysOnItsLineInsideThePromptInBothLanguages)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    putArmy(s, {{999, 999, 999, 999, 999}, {1, 1, 1, 1, 1, 1, 1, 1}, 100});
    h.click("btnfight");
    QWidget *prompt = h.widget("panfight");
    for (const QString &language : {QStringLiteral("de"), QStringLiteral("en")}) {
        gw::setLanguage(language);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        ASSERT_EQ(textOf(h, "btncancelfight"), language == "de" ? "Abbrechen" : "Cancel");
        int right = 0;
        for (QLabel *label : prompt->findChildren<QLabel *>()) {
            SCOPED_TRACE((language + " " + label->objectName()).toStdString());
            const QRect place(label->mapTo(prompt, QPoint(0, 0)), label->size());
            EXPECT_TRUE(prompt->rect().adjusted(8, 0, -8, 0).contains(place)) << "inside the prompt's margins";
            EXPECT_FALSE(label->wordWrap());
            EXPECT_FALSE(label->text().contains('\n'));
            if (label->objectName().startsWith("labstage"))
                right = std::max(right, place.right());
            if (label->objectName().startsWith("labchance"))
                EXPECT_GT(place.left(), h.widget("barstage1")->geometry().right()) << "the chance after its bar";
        }
        EXPECT_LT(right, h.widget("barstage1")->x()) << "the stages end before their bars";
    }
    gw::setLanguage("de");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

} // namespace
