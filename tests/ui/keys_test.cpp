// SPDX-License-Identifier: MIT
// The keyboard through the widgets: Escape backs out of the open panel or
// screen, Enter in an entry field presses its panel's main button.
#include "gameplay.h"

#include "input.h"
#include "ui/gamecontroller.h"

#include <QLineEdit>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace {

bool shown(const Harness &h, const char *name) { return !h.widget(name)->isHidden(); }

void escape(Harness &h, QWidget *focused = nullptr) { pressKey(focused ? focused : h.gw.get(), Qt::Key_Escape); }

TEST(Escape, ClosesTheTopmostPanelOfTheGameScreenOneAtATime)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    // Every panel open at once, entries filled, attack mode chosen.
    h.find<QLineEdit>("edrec")->setText("5");
    h.find<QLineEdit>("edinf")->setText("0");
    s.fieldmode = 2;
    for (const char *p : {"panreport", "panfight", "panbuild", "pantrain", "panbuy", "paninfo", "pantax", "panenemyinfo"})
        h.widget(p)->show();
    const int32_t cash = s.cash;

    // The key goes to the focused entry first, which has no use for it.
    QWidget *entry = h.widget("edrec");
    const std::vector<std::vector<const char *>> closing = {
        {"panreport"}, {"panfight"}, {"panbuild"}, {"pantrain"}, {"panbuy"}, {"paninfo", "pantax", "panenemyinfo"}};
    std::vector<const char *> closed;
    for (const auto &step : closing) {
        escape(h, entry);
        for (const char *p : step)
            closed.push_back(p);
        for (const char *p : {"panreport", "panfight", "panbuild", "pantrain", "panbuy", "paninfo", "pantax",
                              "panenemyinfo"}) {
            const bool expectClosed = std::find(closed.begin(), closed.end(), std::string_view(p)) != closed.end();
            EXPECT_EQ(shown(h, p), !expectClosed) << "after closing " << step.front() << ": " << p;
        }
        if (std::string_view(step.front()) == "panfight") {
            EXPECT_EQ(s.fieldmode, 2) << "the prompt goes, the chosen attack stays";
        }
    }
    // The purchase panel went the way "Abbrechen" sends it.
    EXPECT_EQ(h.find<QLineEdit>("edrec")->text(), "0");
    EXPECT_EQ(s.fieldmode, 0);

    // Nothing left: the key does nothing, the game goes on.
    escape(h);
    EXPECT_TRUE(shown(h, "pangame"));
    EXPECT_EQ(s.rounds, 0);
    EXPECT_EQ(s.cash, cash);
    EXPECT_TRUE(h.boxes.boxes().empty());
}

TEST(Escape, LeavesTheVictoryPanelToItsButton)
{
    Harness h;
    startGame(h);
    h.gw->game().showVictory(3);
    escape(h);
    EXPECT_TRUE(shown(h, "panwin"));
    EXPECT_TRUE(shown(h, "pangame"));
}

TEST(Escape, OnTheMainMenuAsksTheQuitQuestion)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    h.gw->show();
    h.boxes.answerNext("&Nein");
    escape(h);
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Bestätigung");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Möchten Sie wirklich beenden?");
    EXPECT_EQ(h.boxes.boxes()[0].icon, QMessageBox::Question);
    EXPECT_TRUE(h.gw->isVisible());

    h.boxes.answerNext("&Ja");
    escape(h);
    EXPECT_FALSE(h.gw->isVisible());
}

TEST(Escape, LeavesTheOptionsAndSkirmishScreensLikeTheirBackButtons)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    h.click("btnoptions");
    h.click("btnsound");
    escape(h, h.widget("btnsound"));
    EXPECT_FALSE(shown(h, "panoptions"));
    EXPECT_EQ(h.gw->state().menustate, 0);
    const auto saved = h.dir.readLines("options.cfg");
    ASSERT_GE(saved.size(), 3u);
    EXPECT_EQ(saved[2], "1") << "saved like the back button does";

    h.click("btnskirmish");
    escape(h, h.widget("maplist"));
    EXPECT_FALSE(shown(h, "panskirmish"));
    EXPECT_EQ(h.gw->state().menustate, 0);
    EXPECT_TRUE(h.boxes.boxes().empty()) << "no quit question on the way back";
}

TEST(Enter, InAPurchaseEntryBuys)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    h.gw->random().seed(seedForFirstAction(1));
    h.click("btnbuyzone");
    typeInto(h, "edmgs", "3");
    pressKey(h.widget("edmgs"), Qt::Key_Return);
    EXPECT_EQ(s.mgs, 3);
    EXPECT_EQ(s.rounds, 1);
    EXPECT_FALSE(shown(h, "panbuy"));
    EXPECT_EQ(h.find<QLineEdit>("edmgs")->text(), "0");

    // Too dear: the box, and the panel stays open for another try.
    h.click("btnbuyzone");
    typeInto(h, "edspecs", "999");
    pressKey(h.widget("edspecs"), Qt::Key_Enter);
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Kasse");
    EXPECT_TRUE(shown(h, "panbuy"));
    EXPECT_EQ(s.rounds, 1);
}

TEST(Enter, InATrainingEntryTrains)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    s.recruits = 10;
    s.rifles = 4;
    h.gw->random().seed(seedForFirstAction(1));
    h.click("btntraining");
    typeInto(h, "edsniper", "4");
    pressKey(h.widget("edsniper"), Qt::Key_Enter);
    EXPECT_EQ(s.snipers, 4);
    EXPECT_EQ(s.recruits, 6);
    EXPECT_EQ(s.rounds, 1);
    EXPECT_FALSE(shown(h, "pantrain"));
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
}

} // namespace
