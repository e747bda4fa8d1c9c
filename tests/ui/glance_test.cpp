// SPDX-License-Identifier: MIT
// The game at a glance: the round and both bases' hit points follow every
// change of the record (a new game, a round end, a battle on either side, a
// continued game), in both languages, and in a game of two.
#include "gameplay.h"
#include "input.h"

#include "core/cells.h"
#include "rules/forecast.h"
#include "ui/gamecontroller.h"
#include "ui/language.h"
#include "ui/panels/attackpanel.h"
#include "ui/widgets/meter.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QtMath>

#include <gtest/gtest.h>

#include <set>

namespace {

struct Glance {
    QString round, own, enemy;
    double ownShare, enemyShare;
};

Glance glanceOf(const Harness &h)
{
    const auto *own = h.find<gw::Meter>("barbasehp");
    const auto *enemy = h.find<gw::Meter>("barenemybasehp");
    EXPECT_TRUE(own && enemy);
    if (!own || !enemy)
        return {};
    return {textOf(h, "labround"), textOf(h, "labbarbasehp"), textOf(h, "labbarenemybasehp"), own->fraction(),
            enemy->fraction()};
}

void attackTheBase(Harness &h)
{
    h.click("btnfight");
    h.click("btnletsfight");
    h.click(QString("Image%1").arg(firstCell(h.gw->state(), [](const std::string &c) { return c == gw::kBlueBase; })));
}

TEST(Glance, TheRoundAndBothBasesFollowEveryChange)
{
    Harness h;
    startGame(h);
    for (const char *name : {"labround", "barbasehp", "barenemybasehp"})
        EXPECT_FALSE(h.widget(name)->isHidden()) << name;
    Glance g = glanceOf(h);
    EXPECT_EQ(g.round, "Runde 1");
    EXPECT_EQ(g.own, "Ihre Basis: 100 HP");
    EXPECT_EQ(g.enemy, "Gegner: 100 HP");
    EXPECT_EQ(g.ownShare, 1.0);
    EXPECT_EQ(g.enemyShare, 1.0);

    // The player's attack on an undefended base: one stage gets through.
    gw::GameState &s = h.gw->state();
    s.recruits = 1;
    h.gw->random().seed(seedForFirstAction(1));
    attackTheBase(h);
    ASSERT_EQ(s.enemybasehp, 95);
    g = glanceOf(h);
    EXPECT_EQ(g.round, "Runde 2");
    EXPECT_EQ(g.enemy, "Gegner: 95 HP");
    EXPECT_DOUBLE_EQ(g.enemyShare, 0.95);

    // The opponent's attack on the player's undefended base.
    s.enemyrecruits = 20;
    s.recruits = 0;
    h.gw->random().seed(seedForFirstAction(11));
    h.click("btnendtry");
    ASSERT_LT(s.basehp, 100);
    g = glanceOf(h);
    EXPECT_EQ(g.round, "Runde 3");
    EXPECT_EQ(g.own, QString("Ihre Basis: %1 HP").arg(s.basehp));
    EXPECT_DOUBLE_EQ(g.ownShare, s.basehp / 100.0);

    // The language changes the words, not the figures.
    gw::setLanguage("en");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    g = glanceOf(h);
    EXPECT_EQ(g.round, "Round 3");
    EXPECT_EQ(g.own, QString("Your base: %1 HP").arg(s.basehp));
    EXPECT_EQ(g.enemy, "Opponent: 95 HP");
    gw::setLanguage("de");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
}

TEST(Glance, AContinuedGameShowsItsOwnFiguresAndANewGameStartsAfresh)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    h.gw->random().seed(seedForFirstAction(1));
    h.click("btnendtry");
    s.rounds = 27;
    s.basehp = 35;
    s.enemybasehp = 60;
    h.click("btnendgame");
    // What the bars showed is gone with a new game, and back with the save.
    h.click("btnskirmish");
    h.click("btncontinue");
    Glance g = glanceOf(h);
    EXPECT_EQ(g.round, "Runde 28") << "27 rounds played, the 28th on";
    EXPECT_EQ(g.own, "Ihre Basis: 35 HP");
    EXPECT_EQ(g.enemy, "Gegner: 60 HP");
    EXPECT_DOUBLE_EQ(g.ownShare, 0.35);
    EXPECT_DOUBLE_EQ(g.enemyShare, 0.60);

    h.click("btnendgame");
    h.click("btnskirmish");
    h.boxes.answerNext("&Ja"); // the saved game may go
    h.click("btnskirmishstart");
    g = glanceOf(h);
    EXPECT_EQ(g.round, "Runde 1");
    EXPECT_EQ(g.own, "Ihre Basis: 100 HP");
    EXPECT_EQ(g.enemyShare, 1.0);
}

TEST(Glance, ADestroyedBaseShowsNoneLeftWithTheResult)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    s.enemybasehp = 5;
    s.recruits = 1;
    attackTheBase(h);
    ASSERT_FALSE(h.widget("panwin")->isHidden());
    EXPECT_EQ(textOf(h, "labbarenemybasehp"), "Gegner: 0 HP");
    EXPECT_EQ(h.find<gw::Meter>("barenemybasehp")->fraction(), 0.0);
    EXPECT_EQ(textOf(h, "labround"), "Runde 1") << "the round that decided the game";
}

// In a game of two the bars name the sides, the round follows the halves,
// and the prompt forecasts the attack of the side on turn.
TEST(Glance, TwoPlayersSeeTheSidesAndTheForecastOfTheSideOnTurn)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    h.click("btnskirmish");
    h.click("btnplayers");
    h.click("btnskirmishstart");
    gw::GameState &s = h.gw->state();
    EXPECT_EQ(textOf(h, "labround"), "Runde 1");
    EXPECT_EQ(textOf(h, "labbarbasehp"), "Rot: 100 HP");
    EXPECT_EQ(textOf(h, "labbarenemybasehp"), "Blau: 100 HP");
    h.click("btnendtry");
    mouseClick(h.widget("pancover"));
    ASSERT_EQ(h.gw->game().turn(), gw::Side::Blue);
    EXPECT_EQ(textOf(h, "labround"), "Runde 1") << "Blue's half of the first round";
    s.enemyrecruits = 7;
    s.recruits = 0;
    s.basehp = 40;
    s.enemybasehp = 100;
    h.click("btnfight");
    const gw::BattleForecast f = gw::forecastBattle({7, 0, 0, 0, 0}, {});
    EXPECT_TRUE(textOf(h, "labstage1").endsWith("(7)")) << textOf(h, "labstage1").toStdString();
    EXPECT_EQ(textOf(h, "labforecastdestroy"),
              "Chance, die Basis zu zerstören: " + gw::AttackPanel::percent(f.chanceOfAtLeast(40)));
}

TEST(Glance, TheBarsAreDrawnSharpAtEverySize)
{
    // Drawn larger (150 %, 200 %, a full screen's odd factor), a bar's
    // pixels are its own colours only: no edge smoothed into a blend.
    Harness h;
    startGame(h);
    h.gw->state().enemybasehp = 37;
    h.click("btnendtry");
    for (const char *name : {"barbasehp", "barenemybasehp", "barstage1"}) {
        auto *bar = h.find<gw::Meter>(name);
        ASSERT_NE(bar, nullptr);
        bar->setFraction(0.37);
        bar->setFigure(QString());
        for (double factor : {1.0, 1.5, 2.0, 1.29}) {
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(factor));
            QImage image(qCeil(bar->width() * factor), qCeil(bar->height() * factor), QImage::Format_RGB32);
            image.fill(Qt::magenta);
            QPainter painter(&image);
            painter.scale(factor, factor);
            bar->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
            painter.end();
            std::set<QRgb> colours;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    colours.insert(image.pixel(x, y) & 0xFFFFFF);
            }
            colours.erase(QColor(Qt::magenta).rgb() & 0xFFFFFF); // beyond the last whole pixel
            EXPECT_LE(colours.size(), 4u) << "trough, fill and the edge's two colours";
        }
    }
}

} // namespace
