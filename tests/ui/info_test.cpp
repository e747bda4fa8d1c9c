// SPDX-License-Identifier: MIT
// The information panels.
#include "gameplay.h"

#include <gtest/gtest.h>

namespace {

TEST(Information, ShowsTheStrengthFiguresAndTheOpponentsForces)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    s.infantry = 3;
    s.recruits = 5;
    s.snipers = 2;
    s.mortarcrews = 1;
    s.basehp = 100;
    s.towers = 1;
    s.minefields = 2;
    s.enemyrecruits = 11;
    s.enemyinfantry = 12;
    s.enemysnipers = 13;
    s.enemymortarcrews = 14;
    s.enemyspecialunits = 15;
    s.enemybasehp = 85;
    s.enemytowers = 2;
    s.enemybunkers = 3;
    s.enemyminefields = 4;
    const gw::GameState before = s;

    h.click("btninfo");
    EXPECT_FALSE(h.widget("paninfo")->isHidden());
    EXPECT_EQ(textOf(h, "labtow"), "Geschütztürme: 1");
    EXPECT_EQ(textOf(h, "labbun"), "Bunker: 0");
    EXPECT_EQ(textOf(h, "labmin"), "Minenfelder: 2");
    EXPECT_EQ(textOf(h, "laboff"), "Offensivstärke: ca. 21");
    EXPECT_EQ(textOf(h, "labdef"), "Defensivstärke: ca. 149");
    EXPECT_EQ(textOf(h, "labbase"), "HP der Basis: 100");
    EXPECT_EQ(s.offense, 21);
    EXPECT_EQ(s.defense, 149);
    // Filled while still hidden.
    EXPECT_TRUE(h.widget("panenemyinfo")->isHidden());
    EXPECT_EQ(textOf(h, "labrecb"), "Rekruten: 11");
    EXPECT_EQ(textOf(h, "labinfb"), "Infanteristen: 12");
    EXPECT_EQ(textOf(h, "labsniperb"), "Scharfschützen: 13");
    EXPECT_EQ(textOf(h, "labmortarb"), "Mörser: 14");
    EXPECT_EQ(textOf(h, "labspecb"), "Sondereinheiten: 15");
    EXPECT_EQ(textOf(h, "labhp"), "HP der Basis: 85");
    // Its defences, which the player meets in every battle, beside them.
    EXPECT_EQ(textOf(h, "labtowb"), "Geschütztürme: 2");
    EXPECT_EQ(textOf(h, "labbunb"), "Bunker: 3");
    EXPECT_EQ(textOf(h, "labminb"), "Minenfelder: 4");

    EXPECT_EQ(s.rounds, before.rounds);
    EXPECT_EQ(s.cash, before.cash);
    EXPECT_EQ(s.recruits, before.recruits);
    EXPECT_TRUE(h.boxes.boxes().empty());
}

TEST(Information, SubPanelsToggleAndCloseTogether)
{
    Harness h;
    startGame(h);
    h.click("btninfo");
    h.click("btnenemyinfo");
    EXPECT_FALSE(h.widget("panenemyinfo")->isHidden());
    h.click("btnenemyinfo");
    EXPECT_TRUE(h.widget("panenemyinfo")->isHidden());
    h.click("btnfieldinfo");
    EXPECT_FALSE(h.widget("pantax")->isHidden());
    EXPECT_TRUE(h.widget("panenemyinfo")->isHidden()) << "each button toggles its own panel";
    h.click("btnenemyinfo");
    h.click("btncloseinfo");
    for (const char *p : {"paninfo", "pantax", "panenemyinfo"})
        EXPECT_TRUE(h.widget(p)->isHidden()) << p;
    EXPECT_EQ(h.gw->state().rounds, 0);
}

} // namespace
