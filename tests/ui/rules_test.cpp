// SPDX-License-Identifier: MIT
// F1: the rules panel over every screen, closed without an effect on the
// game, and the prices in it as the rules have them.
#include "gameplay.h"

#include "core/cells.h"
#include "map/mapfile.h"
#include "rules/actions.h"
#include "rules/battle.h"
#include "input.h"

#include <QLineEdit>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

bool shown(const Harness &h, const char *name) { return !h.widget(name)->isHidden(); }

// The key where the window system would deliver it: to the focused widget.
void pressAtFocus(Harness &h, int key)
{
    QWidget *focus = h.gw->focusWidget();
    pressKey(focus ? focus : h.gw.get(), key);
}

TEST(RulesPanel, F1OpensItOnEveryScreenAndEscapeOrSchliessenClosesItWithoutAnEffect)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    // The game screen with the purchase panel open and a count typed.
    h.click("btnbuyzone");
    typeInto(h, "edrec", "5");
    pressKey(h.widget("edrec"), Qt::Key_F1);
    ASSERT_TRUE(shown(h, "panrules"));
    // Nothing behind the panel takes a key, even one sent to the entry.
    EXPECT_FALSE(h.widget("edrec")->isEnabled());
    pressKey(h.widget("edrec"), Qt::Key_Return);
    pressAtFocus(h, Qt::Key_Escape);
    EXPECT_FALSE(shown(h, "panrules"));
    EXPECT_TRUE(shown(h, "panbuy")) << "Escape closed the rules, not the panel below";
    EXPECT_TRUE(h.widget("edrec")->isEnabled());
    EXPECT_EQ(s.rounds, 0);
    EXPECT_EQ(s.cash, 1000);
    EXPECT_EQ(s.recruits, 0);

    pressKey(h.gw.get(), Qt::Key_F1);
    h.click("btncloserules");
    EXPECT_FALSE(shown(h, "panrules"));
    EXPECT_EQ(s.rounds, 0);

    // The main menu, the options and the skirmish screen.
    h.click("btnendgame");
    struct Screen {
        const char *button;
        const char *panel;
    };
    for (const Screen &screen : {Screen{nullptr, nullptr}, Screen{"btnoptions", "panoptions"},
                                 Screen{"btnskirmish", "panskirmish"}}) {
        SCOPED_TRACE(screen.panel ? screen.panel : "main menu");
        if (screen.button)
            h.click(screen.button);
        pressAtFocus(h, Qt::Key_F1);
        EXPECT_TRUE(shown(h, "panrules"));
        pressAtFocus(h, Qt::Key_Escape);
        EXPECT_FALSE(shown(h, "panrules"));
        if (screen.panel) {
            EXPECT_TRUE(shown(h, screen.panel)) << "Escape did not leave the screen";
            h.click(screen.button == std::string("btnoptions") ? "btnoptionsback" : "btnskirmishback");
        }
    }
    EXPECT_TRUE(h.boxes.boxes().empty()) << "no quit question: " << h.boxes.texts().join("; ").toStdString();
    EXPECT_TRUE(h.gw->isEnabled());
}

TEST(RulesPanel, ItsPricesAndDiceAreTheRulesOwn)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    pressKey(h.gw.get(), Qt::Key_F1);
    const QString text = h.find<QTextBrowser>("txtrules")->toPlainText();

    const char *const equipment[] = {"Rekrut", "Maschinengewehr (MG)", "Scharfschützengewehr", "Mörser",
                                     "Spezialausrüstung"};
    for (std::size_t i = 0; i < gw::kPurchasePrices.size(); ++i)
        EXPECT_TRUE(text.contains(QString("%1: %2 Gold").arg(equipment[i]).arg(gw::kPurchasePrices[i]))) << i;
    const char *const units[] = {"Infanterist", "Scharfschütze", "Mörsertrupp", "Sondereinheit"};
    for (std::size_t k = 0; k < gw::kTrainingFees.size(); ++k)
        EXPECT_TRUE(text.contains(QString("%1: 1 Rekrut, 1 %2 und %3 Gold")
                                      .arg(units[k], equipment[k + 1])
                                      .arg(gw::kTrainingFees[k])))
            << k;
    const std::pair<const char *, gw::Building> buildings[] = {
        {"Geschützturm", gw::Building::Tower}, {"Bunker", gw::Building::Bunker}, {"Minenfeld", gw::Building::Minefield}};
    for (const auto &[name, building] : buildings)
        EXPECT_TRUE(text.contains(QString("%1: %2 Gold").arg(name).arg(gw::buildingPrice(building)))) << name;
    for (const gw::Terrain &t : gw::terrains())
        EXPECT_TRUE(text.contains(QString("%1: %2 Gold, danach %3 Gold Steuern je Runde")
                                      .arg(QString::fromUtf8(t.germanName))
                                      .arg(t.price)
                                      .arg(t.tax)))
            << t.word;
    const char *const defenders[] = {"Rekruten",        "Infanteristen", "Scharfschützen", "Mörsertrupps",
                                     "Sondereinheiten", "Geschütztürme", "Bunker",         "Minenfelder"};
    for (std::size_t d = 0; d < gw::kDieSizes.size(); ++d)
        EXPECT_TRUE(text.contains(QString("%1: Würfel mit %2 Seiten").arg(defenders[d]).arg(gw::kDieSizes[d]))) << d;
    EXPECT_TRUE(text.contains(QString("verliert die Basis %1 HP").arg(gw::kStageDamage)));
    EXPECT_TRUE(text.contains(QString("beginnt mit %1 Gold und einer Basis mit %2 HP")
                                  .arg(gw::kStartingGold)
                                  .arg(gw::kStartingBaseHp)));
}

} // namespace
