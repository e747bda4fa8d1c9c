// SPDX-License-Identifier: MIT
// The turn on the game screen: the round-end button, land purchase and
// attack by field click, victory and defeat panels, the opponent's new
// cells appearing.
#include "gameplay.h"

#include "input.h"
#include "ui/gamecontroller.h"

#include "core/cells.h"
#include "core/strtoint.h"
#include "ui/widgets/picturebox.h"

#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const char *const kSevenPanels[] = {"panbuy", "pantrain", "panbuild", "paninfo", "pantax", "panenemyinfo", "panfight"};

bool isFree(const std::string &s) { return s.rfind("None_", 0) == 0; }

QImage pictureOf(const Harness &h, int n) { return h.find<gw::PictureBox>(QString("Image%1").arg(n))->picture(); }

QImage stateFile(const Harness &h, const std::string &state)
{
    return QImage(h.dir.file(QString::fromStdString("images/" + state + ".bmp")), "BMP");
}

class Turn : public ::testing::Test {
protected:
    void SetUp() override { startGame(h); }
    // The next round end draws the opponent's recruit purchase, which
    // touches nothing of the player's.
    void quietOpponent() { h.gw->random().seed(seedForFirstAction(1)); }
    Harness h;
};

TEST_F(Turn, RoundEndButtonHidesTheSevenPanelsAndEndsTheTurn)
{
    quietOpponent();
    for (const char *p : kSevenPanels)
        h.widget(p)->show();
    const int32_t taxes = h.gw->state().taxes;
    h.click("btnendtry");
    for (const char *p : kSevenPanels)
        EXPECT_TRUE(h.widget(p)->isHidden()) << p;
    EXPECT_EQ(h.gw->state().rounds, 1);
    EXPECT_EQ(h.gw->state().cash, 1000 + taxes);
    EXPECT_EQ(textOf(h, "labcash").toStdString(), std::to_string(1000 + taxes));
    EXPECT_EQ(h.gw->state().enemyrecruits, 100) << "the opponent answered";
    EXPECT_EQ(h.gw->state().fieldactive, 1);
    EXPECT_TRUE(h.boxes.boxes().empty());
}

TEST_F(Turn, VictoryAndDefeatButtonsReturnToTheMenuAndStopTheRedraw)
{
    for (const char *button : {"btnwin", "btnlose"}) {
        SCOPED_TRACE(button);
        const bool win = std::string(button) == "btnwin";
        h.gw->game().showDefeat(2);
        h.gw->game().showVictory(2);
        h.gw->game().enableRedraw();
        h.click(button);
        EXPECT_TRUE(h.widget("pangame")->isHidden());
        EXPECT_EQ(h.widget("panwin")->isHidden(), win);
        EXPECT_EQ(h.widget("panlose")->isHidden(), !win) << "each panel is hidden by its own button only";
        EXPECT_EQ(h.gw->state().menustate, 0);
        EXPECT_TRUE(h.gw->findChild<QTimer *>("mainmenuslide")->isActive());
        EXPECT_FALSE(h.gw->findChild<QTimer *>("tfieldact")->isActive());
        h.startSkirmish();
    }
}

TEST_F(Turn, OpponentsExpansionShowsAtTheNextRedrawTick)
{
    // A seed whose first draw is the expansion and whose target is free land.
    gw::GameState &s = h.gw->state();
    uint32_t seed = 0;
    int target = 0;
    for (uint32_t candidate = 1; !seed; ++candidate) {
        gw::Random r(candidate);
        if (r.drawbelow(12) + 1 != 12)
            continue;
        const int cell = r.drawbelow(220) + 1;
        if (isFree(s.memgame.line(static_cast<std::size_t>(cell)))) {
            seed = candidate;
            target = cell;
        }
    }
    h.gw->random().seed(seed);
    const QImage before = pictureOf(h, target);
    h.click("btnendtry");
    const std::string taken = s.memgame.line(static_cast<std::size_t>(target));
    ASSERT_EQ(taken.rfind("Blue_", 0), 0u) << taken;
    EXPECT_TRUE(h.gw->findChild<QTimer *>("tfieldact")->isActive());
    EXPECT_EQ(pictureOf(h, target), before) << "not drawn before the tick";
    EXPECT_TRUE(waitUntil([&] { return pictureOf(h, target) != before; }, 3000));
    EXPECT_EQ(pictureOf(h, target), stateFile(h, taken));
}

TEST_F(Turn, LandInBuyModeFollowsTheLandTable)
{
    gw::GameState &s = h.gw->state();
    s.memgame.setLine(5, "Red_Farm");
    s.memgame.setLine(6, "None_Farm");
    s.memgame.setLine(7, "None_Grass");
    h.click("btnbuyzone");
    h.click("btnbuyland");
    EXPECT_EQ(s.fieldmode, 1);
    EXPECT_TRUE(h.widget("panbuy")->isHidden());

    // Owned land: nothing at all.
    h.click("Image5");
    EXPECT_TRUE(h.boxes.boxes().empty());
    EXPECT_EQ(s.fieldmode, 1);

    // Too little gold: the box, nothing else.
    s.cash = 249;
    const int32_t taxes = s.taxes;
    h.click("Image6");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Kasse");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Sie besitzen nicht genügend Gold !");
    EXPECT_EQ(h.boxes.boxes()[0].buttons, QStringList{"OK"});
    EXPECT_EQ(s.memgame.line(6), "None_Farm");
    EXPECT_EQ(s.cash, 249);
    EXPECT_EQ(s.rounds, 0);
    EXPECT_EQ(s.fieldmode, 1);

    // Exactly enough: bought, and the opponent moves.
    quietOpponent();
    s.cash = 250;
    h.click("Image6");
    EXPECT_EQ(s.memgame.line(6), "Red_Farm");
    EXPECT_EQ(s.taxes, taxes + 100);
    EXPECT_EQ(textOf(h, "labtaxes").toStdString(), std::to_string(taxes + 100));
    EXPECT_EQ(s.rounds, 1);
    EXPECT_EQ(s.cash, taxes + 100) << "0 after the price, then the income";
    EXPECT_EQ(textOf(h, "labcash").toStdString(), std::to_string(taxes + 100));
    EXPECT_EQ(pictureOf(h, 6), stateFile(h, "Red_Farm"));
    EXPECT_EQ(s.fieldmode, 0);

    // The mode is spent: another free cell is left alone.
    h.click("Image7");
    EXPECT_EQ(s.memgame.line(7), "None_Grass");
    EXPECT_EQ(s.rounds, 1);
}

TEST_F(Turn, ALandPurchaseWhosePictureIsMissingChangesNothing)
{
    gw::GameState &s = h.gw->state();
    s.memgame.setLine(9, "None_Oasis");
    h.dir.remove("images/Red_Oasis.bmp");
    const QImage before = pictureOf(h, 9);
    const int32_t cash = s.cash, taxes = s.taxes;
    h.click("btnbuyzone");
    h.click("btnbuyland");
    h.click("Image9");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Grimsward");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Datei images\\Red_Oasis.bmp kann nicht geöffnet werden.");
    EXPECT_EQ(s.memgame.line(9), "None_Oasis");
    EXPECT_EQ(s.cash, cash);
    EXPECT_EQ(s.taxes, taxes);
    EXPECT_EQ(s.rounds, 0) << "no turn ends";
    EXPECT_EQ(pictureOf(h, 9), before);
    EXPECT_EQ(s.fieldmode, 1);
}

TEST_F(Turn, AttackModeRefusesOtherCellsThenAttacksTheBase)
{
    gw::GameState &s = h.gw->state();
    const int base = firstCell(s, [](const std::string &c) { return c == "Blue_Base"; });
    const int other = firstCell(s, [](const std::string &c) { return c != "Blue_Base"; });
    ASSERT_NE(base, 0);
    h.click("btnbuyzone");
    h.click("btnfight");
    EXPECT_TRUE(h.widget("panbuy")->isHidden());
    EXPECT_FALSE(h.widget("panfight")->isHidden());
    EXPECT_EQ(s.fieldmode, 0) << "the prompt alone chooses nothing";
    h.click("btnletsfight");
    EXPECT_TRUE(h.widget("panfight")->isHidden());
    EXPECT_EQ(s.fieldmode, 2);

    h.click(QString("Image%1").arg(other));
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Grimsward");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Dieses Feld kann nicht angegriffen werden!");
    EXPECT_EQ(s.fieldmode, 2);
    EXPECT_EQ(s.rounds, 0);

    // One recruit against an undefended base: 5 damage, then the round end.
    quietOpponent();
    s.recruits = 1;
    s.soundon = 1;
    h.sounds->clear();
    h.click(QString("Image%1").arg(base));
    EXPECT_EQ(s.enemybasehp, 95);
    EXPECT_EQ(s.rounds, 1);
    EXPECT_EQ(s.fieldmode, 0);
    EXPECT_EQ(callsOf(h.sounds, {"play", "stop"}),
              (std::vector<std::string>{"play sfightbg", "play sfight", "stop sfightbg"}));
    EXPECT_TRUE(h.widget("panwin")->isHidden());
}

TEST_F(Turn, ThePurchasePanelCancelsAChosenAttack)
{
    h.click("btnfight");
    h.click("btnletsfight");
    ASSERT_EQ(h.gw->state().fieldmode, 2);
    h.click("btnbuyzone");
    EXPECT_EQ(h.gw->state().fieldmode, 0);
    const int base = firstCell(h.gw->state(), [](const std::string &c) { return c == "Blue_Base"; });
    h.click(QString("Image%1").arg(base));
    EXPECT_EQ(h.gw->state().rounds, 0);
    EXPECT_EQ(h.gw->state().enemybasehp, 100);
}

TEST_F(Turn, TheFieldShowsWhatItAwaitsWhileAModeHolds)
{
    const gw::GameState &s = h.gw->state();
    auto line = [&] { return h.find<QLabel>("lablastmove")->text(); };
    auto cursorOf = [&](int n) {
        QWidget *cell = h.widget(QString("Image%1").arg(n));
        return cell->testAttribute(Qt::WA_SetCursor) ? cell->cursor().shape() : Qt::ArrowCursor;
    };
    const int freeCell = firstCell(s, isFree);
    const int base = firstCell(s, [](const std::string &c) { return c == gw::kBlueBase; });
    const int owned = firstCell(s, [](const std::string &c) { return c.rfind("Red_", 0) == 0; });
    EXPECT_EQ(line(), "");
    EXPECT_EQ(cursorOf(freeCell), Qt::ArrowCursor);

    // Buying land: free land takes the click, nothing else does.
    h.click("btnbuyzone");
    h.click("btnbuyland");
    EXPECT_EQ(line(), "Land kaufen: Klicken Sie auf ein freies Feld.");
    EXPECT_EQ(cursorOf(freeCell), Qt::PointingHandCursor);
    EXPECT_EQ(cursorOf(owned), Qt::ArrowCursor);
    EXPECT_EQ(cursorOf(base), Qt::ArrowCursor);
    // Opening the shop ends the mode, and with it the sign.
    h.click("btnbuyzone");
    EXPECT_EQ(line(), "");
    EXPECT_EQ(cursorOf(freeCell), Qt::ArrowCursor);
    h.click("btncancel");

    // The attack: the opponent's base takes it; the round end ends it.
    h.click("btnfight");
    EXPECT_EQ(line(), "") << "not before Okay";
    h.click("btnletsfight");
    EXPECT_EQ(line(), "Angriff: Klicken Sie auf die blaue Basis.");
    EXPECT_EQ(cursorOf(base), Qt::CrossCursor);
    EXPECT_EQ(cursorOf(freeCell), Qt::ArrowCursor);
    quietOpponent();
    h.click("btnendtry");
    EXPECT_EQ(line(), "Der Gegner hat 100 Rekruten gekauft.");
    EXPECT_EQ(cursorOf(base), Qt::ArrowCursor);
}

TEST_F(Turn, DestroyingTheBaseShowsTheVictoryWithTheRoundsBeforeTheAttack)
{
    gw::GameState &s = h.gw->state();
    const int base = firstCell(s, [](const std::string &c) { return c == "Blue_Base"; });
    s.rounds = 3;
    s.enemybasehp = 5;
    s.recruits = 1;
    quietOpponent();
    h.click("btnfight");
    h.click("btnletsfight");
    h.click(QString("Image%1").arg(base));
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Herzlichen Glückwunsch !!!");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Sie haben die gegnerische Basis zerstört!");
    EXPECT_FALSE(h.widget("panwin")->isHidden());
    EXPECT_EQ(textOf(h, "labwin"), "Sie haben in 3 Runden gewonnen!");
    EXPECT_EQ(s.rounds, 4) << "the round end still runs";
}

TEST_F(Turn, TheOpponentsAttackCanEndInDefeat)
{
    gw::GameState &s = h.gw->state();
    s.basehp = 5;
    s.enemyrecruits = 1;
    s.rounds = 6;
    h.gw->random().seed(seedForFirstAction(11));
    h.click("btnendtry");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].title, "Niederlage !");
    EXPECT_EQ(h.boxes.boxes()[0].text, "Ihre Basis wurde zerstört!");
    EXPECT_FALSE(h.widget("panlose")->isHidden());
    EXPECT_EQ(textOf(h, "lablose"), "Sie haben in 7 Runden verloren!");
    h.click("btnlose");
    EXPECT_EQ(h.gw->state().menustate, 0);
    EXPECT_TRUE(h.widget("pangame")->isHidden());
}

// The first result decides the game: below its panel, nothing but
// "Information" and "Beenden" works until the panel's button is pressed.
TEST_F(Turn, AfterVictoryOrDefeatTheTurnsAreOver)
{
    for (const bool victory : {true, false}) {
        SCOPED_TRACE(victory ? "victory" : "defeat");
        gw::GameState &s = h.gw->state();
        if (victory) {
            s.enemybasehp = 5;
            s.recruits = 1;
            h.click("btnfight");
            h.click("btnletsfight");
            h.click(QString("Image%1").arg(firstCell(s, [](const std::string &c) { return c == "Blue_Base"; })));
            EXPECT_EQ(textOf(h, "lablastmove"), "Der Gegner hat nichts getan.");
        } else {
            s.basehp = 5;
            s.enemyrecruits = 1;
            h.gw->random().seed(seedForFirstAction(11));
            h.click("btnendtry");
        }
        ASSERT_FALSE(h.widget(victory ? "panwin" : "panlose")->isHidden());
        ASSERT_EQ(h.boxes.boxes().size(), 1u);
        const int32_t rounds = s.rounds, cash = s.cash;
        const gw::LineList field = s.memgame;

        s.cash = cash + 100000;
        s.recruits = 10;
        s.mgs = 10;
        for (const char *button : {"btnendtry", "btnbuyzone", "btntraining", "btnbuild", "btnfight", "btnletsfight"})
            h.click(button);
        for (const char *panel : {"panbuy", "pantrain", "panbuild", "panfight"})
            EXPECT_TRUE(h.widget(panel)->isHidden()) << panel;
        s.fieldmode = 1;
        h.click(QString("Image%1").arg(firstCell(s, isFree)));
        s.fieldmode = 2;
        h.click(QString("Image%1").arg(firstCell(s, [](const std::string &c) { return c == "Blue_Base"; })));
        typeInto(h, "edmgs", "1");
        pressKey(h.widget("edmgs"), Qt::Key_Return);
        typeInto(h, "edinf", "1");
        pressKey(h.widget("edinf"), Qt::Key_Return);
        h.click("btntower");
        EXPECT_EQ(s.rounds, rounds);
        EXPECT_EQ(s.cash, cash + 100000);
        EXPECT_EQ(s.memgame, field);
        EXPECT_EQ(h.boxes.boxes().size(), 1u) << h.boxes.texts().join("; ").toStdString();

        h.click("btninfo");
        EXPECT_FALSE(h.widget("paninfo")->isHidden());
        h.click("btnendgame");
        EXPECT_TRUE(h.widget("pangame")->isHidden());
        h.boxes.clear();
        h.startSkirmish();
    }
}

TEST_F(Turn, FieldClicksAreIgnoredWhileTheRoundEndRuns)
{
    gw::GameState &s = h.gw->state();
    s.memgame.setLine(3, "None_Grass");
    h.click("btnbuyzone");
    h.click("btnbuyland");
    s.fieldactive = 0;
    h.click("Image3");
    EXPECT_EQ(s.memgame.line(3), "None_Grass");
    EXPECT_EQ(s.rounds, 0);
    EXPECT_TRUE(h.boxes.boxes().empty());
}

} // namespace
