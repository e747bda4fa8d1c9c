// SPDX-License-Identifier: MIT
// The purchase, training and construction panels through their widgets.
#include "gameplay.h"

#include "ui/widgets/spinbuttons.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

class Orders : public ::testing::Test {
protected:
    void SetUp() override
    {
        startGame(h);
        // The opponent's answer is its recruit purchase, which leaves the
        // player's side alone.
        h.gw->random().seed(seedForFirstAction(1));
        taxes = h.gw->state().taxes;
    }
    std::string cashAfterIncome(int32_t left) const { return std::to_string(left + taxes); }
    Harness h;
    int32_t taxes = 0;
};

// ---- Purchase ------------------------------------------------------------

TEST_F(Orders, PurchaseTotalFollowsTheEntriesAndAnExactTotalBuys)
{
    gw::GameState &s = h.gw->state();
    h.click("btnbuyzone");
    EXPECT_FALSE(h.widget("panbuy")->isHidden());
    typeInto(h, "edrec", "12");
    EXPECT_EQ(textOf(h, "labcosts"), "120");
    typeInto(h, "edmgs", "3");
    typeInto(h, "edsnips", "2");
    typeInto(h, "edmorts", "1");
    h.find<gw::SpinButtons>("specsupdown")->stepUp();
    EXPECT_EQ(textOf(h, "edspecs"), "1");
    EXPECT_EQ(textOf(h, "labcosts"), "1270");
    EXPECT_EQ(s.costslot1 + s.costslot2 + s.costslot3 + s.costslot4 + s.costslot5, 1270);

    s.cash = 1270;
    h.click("btnletsbuy");
    EXPECT_TRUE(h.boxes.boxes().empty());
    EXPECT_EQ(s.recruits, 12);
    EXPECT_EQ(s.mgs, 3);
    EXPECT_EQ(s.rifles, 2);
    EXPECT_EQ(s.mortars, 1);
    EXPECT_EQ(s.specpacks, 1);
    EXPECT_EQ(s.cash, taxes) << "nothing left before the income";
    EXPECT_EQ(s.rounds, 1);
    EXPECT_EQ(textOf(h, "labcash").toStdString(), cashAfterIncome(0));
    for (auto [label, value] : {std::pair{"labrecruits", "12"}, std::pair{"labmg", "3"}, std::pair{"labsniper", "2"},
                                std::pair{"labmorse", "1"}, std::pair{"labspecial", "1"}})
        EXPECT_EQ(textOf(h, label), value) << label;
    EXPECT_TRUE(h.widget("panbuy")->isHidden());
    for (const char *e : {"edrec", "edmgs", "edsnips", "edmorts", "edspecs"})
        EXPECT_EQ(textOf(h, e), "0") << e;
    EXPECT_EQ(textOf(h, "labcosts"), "0");
}

TEST_F(Orders, PurchaseAboveTheGoldIsRefusedAndChangesNothing)
{
    gw::GameState &s = h.gw->state();
    h.click("btnbuyzone");
    typeInto(h, "edspecs", "3");
    h.click("btnletsbuy");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Kasse");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Sie besitzen nicht genügend Gold !");
    EXPECT_EQ(s.cash, 1000);
    EXPECT_EQ(s.specpacks, 0);
    EXPECT_EQ(s.rounds, 0);
    EXPECT_FALSE(h.widget("panbuy")->isHidden());
    EXPECT_EQ(textOf(h, "edspecs"), "3");
}

TEST_F(Orders, PurchaseOfNothingStillEndsTheTurn)
{
    h.click("btnbuyzone");
    h.click("btnletsbuy");
    EXPECT_EQ(h.gw->state().rounds, 1);
    EXPECT_EQ(h.gw->state().cash, 1000 + taxes);
    EXPECT_EQ(h.gw->state().enemyrecruits, 100);
}

TEST_F(Orders, CountsSurviveClosingThePanelAnotherWay)
{
    h.click("btnbuyzone");
    typeInto(h, "edrec", "5");
    h.click("btntraining");
    EXPECT_TRUE(h.widget("panbuy")->isHidden());
    h.click("btnbuyzone");
    EXPECT_EQ(textOf(h, "edrec"), "5");
    EXPECT_EQ(textOf(h, "labcosts"), "50");
    h.click("btncancel");
    EXPECT_TRUE(h.widget("panbuy")->isHidden());
    h.click("btnbuyzone");
    EXPECT_EQ(textOf(h, "edrec"), "0");
    EXPECT_EQ(textOf(h, "labcosts"), "0");
}

TEST_F(Orders, TheTwoPanelsTotalsAreIndependent)
{
    gw::GameState &s = h.gw->state();
    h.click("btnbuyzone");
    typeInto(h, "edrec", "3");
    h.click("btntraining");
    EXPECT_EQ(textOf(h, "labtraincosts"), "0") << "purchase counts are not training costs";
    h.click("btntrain");
    EXPECT_EQ(s.rounds, 1);
    EXPECT_EQ(s.cash, 1000 + taxes) << "a training of nothing costs nothing";

    // And the other way round: standing training counts are not bought.
    s.mgs = 2;
    s.recruits = 2;
    h.gw->random().seed(seedForFirstAction(1));
    h.click("btntraining");
    typeInto(h, "edinf", "2");
    EXPECT_EQ(textOf(h, "labtraincosts"), "50");
    h.click("btnbuyzone");
    EXPECT_EQ(textOf(h, "labcosts"), "30");
    const int32_t cash = s.cash;
    h.click("btnletsbuy");
    EXPECT_EQ(s.cash, cash - 30 + taxes);
    EXPECT_EQ(s.infantry, 0);
    EXPECT_EQ(s.recruits, 5);
    EXPECT_EQ(textOf(h, "edinf"), "2") << "the training count stays for later";
}

// ---- Training ------------------------------------------------------------

TEST_F(Orders, ACountAboveTheEquipmentIsRefusedAndReset)
{
    gw::GameState &s = h.gw->state();
    s.mgs = 3;
    h.click("btntraining");
    auto *spin = h.find<gw::SpinButtons>("UpDown1");
    for (int i = 0; i < 3; ++i)
        spin->stepUp();
    EXPECT_EQ(textOf(h, "labtraincosts"), "75");
    EXPECT_TRUE(h.boxes.boxes().empty());
    spin->stepUp();
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Materiallager");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Nicht genügend MGs vorhanden !");
    EXPECT_EQ(textOf(h, "edinf"), "0");
    EXPECT_EQ(textOf(h, "labtraincosts"), "0");
    EXPECT_EQ(s.traincostslot1, 0);
}

TEST_F(Orders, TypingDigitByDigitChecksEveryStep)
{
    h.gw->state().mgs = 5;
    h.click("btntraining");
    auto *entry = h.find<QLineEdit>("edinf");
    entry->selectAll();
    entry->insert("1");
    EXPECT_EQ(textOf(h, "labtraincosts"), "25");
    EXPECT_TRUE(h.boxes.boxes().empty());
    entry->insert("2");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(textOf(h, "edinf"), "0");
    EXPECT_EQ(textOf(h, "labtraincosts"), "0");

    // Each kind has its own shortage message.
    const std::pair<const char *, const char *> kinds[] = {
        {"edsniper", "Nicht genügend Sniper vorhanden !"},
        {"edmortar", "Nicht genügend Mörser vorhanden !"},
        {"edspecial", "Nicht genügend Spezialausrüstung vorhanden !"}};
    for (auto [name, text] : kinds) {
        h.boxes.clear();
        typeInto(h, name, "1");
        ASSERT_EQ(h.boxes.boxes().size(), 1u) << name;
        EXPECT_EQ(h.boxes.boxes()[0].text.toStdString(), text);
    }
}

TEST_F(Orders, TrainingExactlyAllRecruitsAndGoldSucceeds)
{
    gw::GameState &s = h.gw->state();
    s.mgs = 2;
    s.rifles = 1;
    s.mortars = 1;
    s.specpacks = 1;
    s.recruits = 5;
    s.cash = 2 * 25 + 50 + 150 + 300;
    h.click("btntraining");
    typeInto(h, "edinf", "2");
    typeInto(h, "edsniper", "1");
    typeInto(h, "edmortar", "1");
    typeInto(h, "edspecial", "1");
    EXPECT_EQ(textOf(h, "labtraincosts"), "550");
    h.click("btntrain");
    EXPECT_TRUE(h.boxes.boxes().empty());
    EXPECT_EQ(s.recruits, 0);
    EXPECT_EQ(s.cash, taxes);
    EXPECT_EQ(s.infantry, 2);
    EXPECT_EQ(s.snipers, 1);
    EXPECT_EQ(s.mortarcrews, 1);
    EXPECT_EQ(s.specialunits, 1);
    EXPECT_EQ(s.mgs + s.rifles + s.mortars + s.specpacks, 0);
    for (auto [label, value] : {std::pair{"labmgs", "2"}, std::pair{"labsnipers", "1"}, std::pair{"labmorses", "1"},
                                std::pair{"labspecials", "1"}, std::pair{"labmg", "0"}, std::pair{"labsniper", "0"},
                                std::pair{"labmorse", "0"}, std::pair{"labspecial", "0"}, std::pair{"labrecruits", "0"}})
        EXPECT_EQ(textOf(h, label), value) << label;
    EXPECT_EQ(s.rounds, 1);
    EXPECT_TRUE(h.widget("pantrain")->isHidden());
    for (const char *e : {"edinf", "edsniper", "edmortar", "edspecial"})
        EXPECT_EQ(textOf(h, e), "0") << e;
}

TEST_F(Orders, TrainingWithTooFewRecruitsOrTooLittleGoldChangesNothing)
{
    gw::GameState &s = h.gw->state();
    struct Case {
        const char *what;
        int32_t recruits, cash;
    };
    for (const Case &c : {Case{"recruits", 2, 1000}, Case{"gold", 3, 74}}) {
        SCOPED_TRACE(c.what);
        h.boxes.clear();
        s.mgs = 3;
        s.recruits = c.recruits;
        s.cash = c.cash;
        h.click("btntraining");
        typeInto(h, "edinf", "3");
        h.click("btntrain");
        ASSERT_EQ(h.boxes.boxes().size(), 1u);
        EXPECT_EQ(h.boxes.boxes()[0].title, "Kasse");
        EXPECT_EQ(h.boxes.boxes()[0].text, "Sie besitzen nicht genügend Gold oder Rekruten !");
        EXPECT_EQ(s.infantry, 0);
        EXPECT_EQ(s.mgs, 3);
        EXPECT_EQ(s.recruits, c.recruits);
        EXPECT_EQ(s.cash, c.cash);
        EXPECT_EQ(s.rounds, 0);
        EXPECT_FALSE(h.widget("pantrain")->isHidden());
        EXPECT_EQ(textOf(h, "edinf"), "3");
    }
    h.click("btntraincancel");
    EXPECT_TRUE(h.widget("pantrain")->isHidden());
    EXPECT_EQ(textOf(h, "edinf"), "0");
    EXPECT_EQ(s.rounds, 0);
}

// ---- Construction --------------------------------------------------------

TEST_F(Orders, BuildingsCostTheirPriceAndAccumulate)
{
    gw::GameState &s = h.gw->state();
    s.cash = 1999;
    h.click("btnbuild");
    h.click("btntower");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Kasse");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Sie besitzen nicht genügend Gold!");
    EXPECT_FALSE(h.widget("panbuild")->isHidden());
    EXPECT_EQ(s.rounds, 0);

    s.cash = 2000;
    h.click("btntower");
    EXPECT_EQ(s.towers, 1);
    EXPECT_EQ(s.cash, taxes);
    EXPECT_EQ(textOf(h, "labcash").toStdString(), cashAfterIncome(0));
    EXPECT_TRUE(h.widget("panbuild")->isHidden());
    EXPECT_EQ(s.rounds, 1);

    h.boxes.clear();
    s.cash = 1200;
    h.gw->random().seed(seedForFirstAction(1));
    h.click("btnbuild");
    h.click("btnbunker");
    EXPECT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(s.bunkers, 0);
    h.click("btnmines");
    EXPECT_EQ(s.minefields, 1);
    EXPECT_EQ(s.cash, 200 + taxes);

    s.cash = 5000;
    h.gw->random().seed(seedForFirstAction(1));
    h.click("btnbuild");
    h.click("btntower");
    EXPECT_EQ(s.towers, 2);
    h.click("btnbuild");
    h.click("btncancelbuild");
    EXPECT_TRUE(h.widget("panbuild")->isHidden());
    EXPECT_EQ(s.rounds, 3) << "tower, minefield, tower";
}

// ---- Which panel hides which ---------------------------------------------

TEST_F(Orders, EachOpeningHidesThePanelsItShould)
{
    const char *const all[] = {"panbuy", "pantrain", "panbuild", "paninfo", "pantax", "panenemyinfo", "panfight"};
    struct Opening {
        const char *button;
        std::vector<std::string> shown; // panels visible afterwards, given all were visible before
    };
    const Opening openings[] = {
        {"btnbuyzone", {"panbuy"}},
        {"btntraining", {"pantrain"}},
        {"btnbuild", {"panbuild"}},
        {"btnfight", {"panfight"}},
        {"btninfo", {"paninfo", "pantax", "panenemyinfo", "panfight"}},
    };
    for (const Opening &o : openings) {
        SCOPED_TRACE(o.button);
        for (const char *p : all)
            h.widget(p)->show();
        h.click(o.button);
        for (const char *p : all) {
            const bool expected = std::find(o.shown.begin(), o.shown.end(), p) != o.shown.end();
            EXPECT_EQ(!h.widget(p)->isHidden(), expected) << p;
        }
    }
    EXPECT_EQ(h.gw->state().rounds, 0) << "opening panels never ends the turn";
}

} // namespace
