// SPDX-License-Identifier: MIT
// The opponent's last move in the status strip: one line after every round
// end, for each of its twelve actions, whether it did something or not.
#include "gameplay.h"

#include "core/cells.h"
#include "rules/enemyturn.h"
#include "rules/recording_screen.h"
#include "ui/language.h"
#include "ui/panels/statusstrip.h"
#include "ui/screens/gamescreen.h"
#include "ui/texts.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

// The line as one text, whatever line break it is set with.
QString lastMove(const Harness &h) { return h.find<QLabel>("lablastmove")->text().replace('\n', ' '); }

// An opponent that can afford every action at its first tier.
void makeRich(gw::GameState &s)
{
    s.enemycash = 5000;
    s.enemyrecruits = 100;
    s.enemymgs = s.enemyrifles = s.enemymortars = s.enemyspecpacks = 100;
    s.enemyinfantry = 20;
}

// An opponent without gold, forces or equipment: no action can act.
void makePoor(gw::GameState &s)
{
    s.enemycash = 0;
    s.enemytaxes = 0;
    s.enemyrecruits = s.enemyinfantry = s.enemysnipers = s.enemymortarcrews = s.enemyspecialunits = 0;
    s.enemymgs = s.enemyrifles = s.enemymortars = s.enemyspecpacks = 0;
}

// A seed whose first round end draws the action; for the expansion, one
// whose target cell is free land (or, with wantFree false, is not).
uint32_t seedFor(const gw::GameState &s, int action, bool wantFree)
{
    for (uint32_t seed = 1;; ++seed) {
        gw::Random r(seed);
        if (r.drawbelow(12) + 1 != action)
            continue;
        if (action != 12)
            return seed;
        const int cell = r.drawbelow(gw::kCells) + 1;
        if ((gw::freeTerrain(s.memgame.line(static_cast<std::size_t>(cell))) != nullptr) == wantFree)
            return seed;
    }
}

TEST(LastMove, EmptyUntilTheFirstRoundEndAndAgainInANewSkirmish)
{
    Harness h;
    startGame(h);
    EXPECT_TRUE(lastMove(h).isEmpty());
    EXPECT_FALSE(h.widget("lablastmove")->isHidden());
    h.gw->random().seed(seedForFirstAction(1));
    h.click("btnendtry");
    EXPECT_EQ(lastMove(h), "Der Gegner hat 100 Rekruten gekauft.");
    h.click("btnendgame");
    h.boxes.answerNext("&Ja"); // the game left may be replaced
    h.startSkirmish();
    EXPECT_TRUE(lastMove(h).isEmpty());
}

TEST(LastMove, TellsEachOfTheTwelveActionsWhetherItActedOrNot)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    for (int action = 1; action <= 12; ++action) {
        for (bool rich : {true, false}) {
            SCOPED_TRACE(testing::Message() << "action " << action << (rich ? " rich" : " poor"));
            s.basehp = 100;
            if (rich)
                makeRich(s);
            else
                makePoor(s);
            const uint32_t seed = seedFor(s, action, rich);
            // What the round end will do, on copies of the state and generator.
            gw::GameState copy = s;
            gw::Random random(seed);
            gw::test::RecordingScreen screen;
            const gw::EnemyTurnResult expected = gw::enemyturn(copy, random, screen);
            ASSERT_EQ(expected.action, action);

            h.gw->random().seed(seed);
            h.click("btnendtry");
            EXPECT_EQ(lastMove(h).toStdString(), gw::Texts::lastMove(expected).toStdString());
            if (action == 11) {
                EXPECT_EQ(lastMove(h).startsWith("Der Gegner hat angegriffen."), rich);
                EXPECT_EQ(lastMove(h) == "Der Gegner griff ohne Truppen an.", !rich);
            } else {
                EXPECT_EQ(lastMove(h) == "Der Gegner hat nichts getan.", !rich);
            }
        }
    }
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
}

TEST(LastMove, FollowsEveryKindOfRoundEnd)
{
    Harness h;
    startGame(h);
    gw::GameState &s = h.gw->state();
    const int32_t before = s.enemyrecruits;
    h.gw->random().seed(seedForFirstAction(1));
    h.click("btnbuyzone");
    typeInto(h, "edrec", "2");
    h.click("btnletsbuy");
    EXPECT_EQ(s.enemyrecruits, before + 100);
    EXPECT_EQ(lastMove(h), "Der Gegner hat 100 Rekruten gekauft.");

    s.enemycash = 2000;
    h.gw->random().seed(seedForFirstAction(10));
    h.click("btnbuild");
    h.click("btnmines");
    EXPECT_EQ(s.minefields, 1);
    EXPECT_EQ(s.enemytowers, 1);
    EXPECT_EQ(lastMove(h), "Der Gegner hat einen Geschützturm gebaut.");

    s.memgame.setLine(3, "None_SkyScraper");
    s.cash = 1000;
    s.enemycash = 500;
    s.enemymgs = 20; // the second tier: 20 men for 500 gold
    h.gw->random().seed(seedForFirstAction(6));
    h.click("btnbuyzone");
    h.click("btnbuyland");
    h.click("Image3");
    EXPECT_EQ(s.memgame.line(3), "Red_SkyScraper");
    EXPECT_EQ(lastMove(h), "Der Gegner hat 20 Infanteristen ausgebildet.");
}

TEST(LastMove, TheLongestTextsFitTheLine)
{
    Harness h;
    startGame(h);
    auto *line = h.find<QLabel>("lablastmove");
    std::vector<gw::EnemyTurnResult> results;
    for (int action = 1; action <= 10; ++action) {
        for (int tier = 1; tier <= 3; ++tier) {
            gw::EnemyTurnResult r;
            r.action = action;
            r.tier = tier;
            r.amount = action == 10 ? 1 : 100;
            results.push_back(r);
        }
    }
    gw::EnemyTurnResult attack;
    attack.action = 11;
    attack.battle = gw::BattleResult{};
    attack.battle->basehpBefore = 100;
    attack.battle->basehpAfter = 75; // five stages of 5
    results.push_back(attack);
    for (const gw::Terrain &t : gw::terrains()) {
        gw::EnemyTurnResult r;
        r.action = 12;
        r.cellTaken = true;
        r.newState = std::string("Blue_") + t.word;
        results.push_back(r);
    }
    for (const gw::EnemyTurnResult &r : results) {
        const QString text = gw::Texts::lastMove(r);
        SCOPED_TRACE(text.toStdString());
        line->setText(text);
        EXPECT_LE(line->heightForWidth(line->width()), line->height());
    }
    // It stays clear of the tax line above and the button below.
    EXPECT_GE(line->y(), h.widget("labstaxes")->geometry().bottom() + 1);
    EXPECT_LE(line->geometry().bottom(), h.widget("btninfo")->y() - 1);
    EXPECT_LE(line->geometry().right(), h.widget("btnendtry")->x() - 1);
}

TEST(LastMove, TheLineBreaksBetweenPhrasesAndNeverBeforeALoneWordInBothLanguages)
{
    Harness h;
    startGame(h);
    auto *line = h.find<QLabel>("lablastmove");
    gw::StatusStrip &strip = h.find<gw::GameScreen>("pangame")->strip();
    const QFontMetrics metrics(line->font());
    std::vector<gw::EnemyTurnResult> results;
    for (int action = 1; action <= 10; ++action) {
        for (int32_t amount : {1, 20, 999}) {
            gw::EnemyTurnResult r;
            r.action = action;
            r.tier = action == 10 ? 1 + amount % 3 : 1;
            r.amount = amount;
            results.push_back(r);
        }
    }
    for (int32_t damage : {0, 5, 25}) {
        gw::EnemyTurnResult attack;
        attack.action = 11;
        attack.battle = gw::BattleResult{};
        attack.battle->stages[0].attackersAtStart = 10;
        attack.battle->basehpBefore = 100;
        attack.battle->basehpAfter = 100 - damage;
        results.push_back(attack);
    }
    int twoLines = 0;
    for (const QString &language : {QStringLiteral("de"), QStringLiteral("en")}) {
        gw::setLanguage(language);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        for (const gw::EnemyTurnResult &r : results) {
            const QString text = gw::Texts::lastMove(r);
            SCOPED_TRACE(text.toStdString());
            strip.showLastMove(r);
            const QStringList lines = line->text().split('\n');
            EXPECT_EQ(lines.join(' '), text);
            ASSERT_LE(lines.size(), 2);
            for (const QString &l : lines)
                EXPECT_LE(metrics.horizontalAdvance(l), line->width());
            if (lines.size() == 2) {
                ++twoLines;
                EXPECT_TRUE(lines[1].contains(' ')) << "a lone word on the second line";
                // Two sentences part where the first one ends.
                const int stop = text.indexOf(". ");
                if (stop > 0 && metrics.horizontalAdvance(text.left(stop + 1)) <= line->width()) {
                    EXPECT_EQ(lines[0], text.left(stop + 1));
                }
            }
        }
    }
    EXPECT_GT(twoLines, 4) << "the longer texts do take two lines";
    gw::setLanguage("de");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

// Schwer's largest order, every kind 999, fits the line in either
// language: drawn smaller, with the whole text as the line's tooltip; a
// short line keeps the usual size and has no tooltip.
TEST(LastMove, AWholeOrderOfEveryKindFitsTheLine)
{
    Harness h;
    startGame(h);
    auto *strip = h.gw->findChild<gw::StatusStrip *>();
    ASSERT_NE(strip, nullptr);
    auto *line = h.find<QLabel>("lablastmove");
    const int usual = line->font().pixelSize();
    for (const QString &language : {QStringLiteral("de"), QStringLiteral("en")}) {
        gw::setLanguage(language);
        for (const gw::Move &move : {gw::Move::order({999, 999, 999, 999, 999}), gw::Move::train({999, 999, 999, 999})}) {
            gw::EnemyTurnResult r = gw::turnResult(move, gw::MoveResult{});
            strip->showLastMove(r);
            SCOPED_TRACE(line->text().toStdString());
            EXPECT_EQ(line->text().split('\n').join(' '), gw::Texts::lastMove(r));
            EXPECT_LE(line->heightForWidth(line->width()), line->height());
            EXPECT_EQ(line->toolTip(), gw::Texts::lastMove(r));
        }
    }
    gw::setLanguage("de");
    gw::EnemyTurnResult shortOrder = gw::turnResult(gw::Move::order({120, 3, 0, 0, 0}), gw::MoveResult{});
    strip->showLastMove(shortOrder);
    EXPECT_EQ(line->text().split('\n').join(' '), "Der Gegner hat 120 Rekruten und 3 MGs gekauft.");
    EXPECT_EQ(line->font().pixelSize(), usual);
    EXPECT_TRUE(line->toolTip().isEmpty());
}

} // namespace
