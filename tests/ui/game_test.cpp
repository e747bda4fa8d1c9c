// SPDX-License-Identifier: MIT
// One whole game through the widgets with a seeded generator: land, forces,
// training, a building, and attacks until the opponent's base falls.
#include "gameplay.h"

#include "core/cells.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <iostream>

namespace {

class WholeGame {
public:
    explicit WholeGame(Harness &h) : h_(h), s_(h.gw->state()) {}

    // Every action that costs the turn must raise the round count by one.
    void expectTurnEnded()
    {
        ++turns_;
        ASSERT_EQ(s_.rounds, turns_);
    }

    void buyCheapestFreeLand()
    {
        const int cell = firstCell(s_, [&](const std::string &c) {
            const gw::Terrain *t = gw::freeTerrain(c);
            return t && t->price <= 50;
        });
        ASSERT_NE(cell, 0);
        h_.click("btnbuyzone");
        h_.click("btnbuyland");
        h_.click(QString("Image%1").arg(cell));
        ASSERT_EQ(s_.memgame.line(static_cast<std::size_t>(cell)).rfind("Red_", 0), 0u);
        expectTurnEnded();
    }

    void buy(const char *entry, int count)
    {
        h_.click("btnbuyzone");
        typeInto(h_, entry, QString::number(count));
        h_.click("btnletsbuy");
        expectTurnEnded();
    }

    void train(const char *entry, int count)
    {
        h_.click("btntraining");
        typeInto(h_, entry, QString::number(count));
        h_.click("btntrain");
        expectTurnEnded();
    }

    void endRound()
    {
        h_.click("btnendtry");
        expectTurnEnded();
    }

    void buildMinefield()
    {
        h_.click("btnbuild");
        h_.click("btnmines");
        expectTurnEnded();
    }

    // Returns the round count the victory text must name, or -1 when the
    // base still stands.
    int attack()
    {
        const int base = firstCell(s_, [](const std::string &c) { return c == gw::kBlueBase; });
        const int before = s_.rounds;
        h_.click("btnfight");
        h_.click("btnletsfight");
        h_.click(QString("Image%1").arg(base));
        expectTurnEnded();
        ++attacks_;
        return h_.widget("panwin")->isHidden() ? -1 : before;
    }

    int attacks() const { return attacks_; }

private:
    Harness &h_;
    gw::GameState &s_;
    int turns_ = 0;
    int attacks_ = 0;
};

TEST(WholeGame, PlayedThroughTheWidgetsToVictory)
{
    Harness h;
    startGame(h);
    h.gw->random().seed(20240611);
    gw::GameState &s = h.gw->state();
    WholeGame game(h);

    game.buyCheapestFreeLand();
    game.buy("edrec", 40);
    game.buy("edmgs", 6);
    game.train("edinf", 6);
    EXPECT_EQ(s.infantry, 6);
    while (s.cash < 1000)
        game.endRound();
    game.buildMinefield();
    EXPECT_EQ(s.minefields, 1);

    int wonAfter = -1;
    for (int round = 0; round < 300 && wonAfter < 0; ++round) {
        if (s.cash >= 10)
            game.buy("edrec", std::min(999, s.cash / 10));
        wonAfter = game.attack();
        if (::testing::Test::HasFatalFailure())
            return;
    }
    ASSERT_GE(wonAfter, 0) << "the base still stands";
    EXPECT_EQ(textOf(h, "labwin").toStdString(), "Sie haben in " + std::to_string(wonAfter) + " Runden gewonnen!");
    EXPECT_LE(s.enemybasehp, 0);
    bool victoryBox = false;
    for (const BoxWatcher::Box &b : h.boxes.boxes())
        victoryBox |= b.title == "Herzlichen Glückwunsch !!!" && b.text == "Sie haben die gegnerische Basis zerstört!";
    EXPECT_TRUE(victoryBox);
    std::cout << "[ game     ] won in " << wonAfter << " rounds after " << game.attacks() << " attacks; "
              << h.boxes.boxes().size() << " message boxes on the way\n";

    h.click("btnwin");
    EXPECT_EQ(s.menustate, 0);
    EXPECT_TRUE(h.widget("pangame")->isHidden());
    EXPECT_FALSE(h.gw->findChild<QTimer *>("tfieldact")->isActive());
}

} // namespace
