// SPDX-License-Identifier: MIT
// Hints for the first game: shown at the moments a new player is stuck, once
// each, in the line above "Information" and never over the field; never a
// turn spent for them; off once the switch is off, and off by themselves
// after the first finished game unless the player chose them.
#include "gameplay.h"

#include "core/cells.h"
#include "rules/state_snapshot.h"
#include "ui/hintcontroller.h"
#include "ui/language.h"
#include "ui/panels/statusstrip.h"
#include "ui/screens/gamescreen.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using Hint = gw::HintController::Hint;

QString line(const Harness &h) { return h.find<QLabel>("lablastmove")->text().replace('\n', ' '); }

void startWithOptions(Harness &h, std::vector<std::string> options)
{
    h.dir.writeOptions(options);
    h.start();
    h.startSkirmish();
    ASSERT_FALSE(h.widget("pangame")->isHidden());
}

void buyRecruits(Harness &h, int count)
{
    h.click("btnbuyzone");
    typeInto(h, "edrec", QString::number(count));
    h.click("btnletsbuy");
}

// Makes the opponent's next move the action (its first tier within reach).
void nextOpponentMove(Harness &h, int action)
{
    gw::GameState &s = h.gw->state();
    s.enemycash = std::max(s.enemycash, 5000);
    if (action == 11)
        s.enemyrecruits = std::max(s.enemyrecruits, 10);
    h.gw->random().seed(seedForFirstAction(action));
}

TEST(Hints, ShownOnceEachAtTheMomentsANewPlayerIsStuck)
{
    Harness h;
    startWithOptions(h, {"", "0", "0"});
    gw::GameState &s = h.gw->state();
    QLabel *label = h.find<QLabel>("lablastmove");
    EXPECT_FALSE(label->geometry().intersects(h.widget("panfield")->geometry())) << "never over the field";
    // The first round: land.
    EXPECT_EQ(line(h), gw::HintController::text(Hint::Land));
    // The next command puts it away.
    h.click("btninfo");
    EXPECT_EQ(line(h), "");
    h.click("btncloseinfo");

    // Recruits bought: how they fight.
    nextOpponentMove(h, 1);
    buyRecruits(h, 5);
    EXPECT_EQ(s.rounds, 1);
    EXPECT_EQ(line(h), gw::HintController::text(Hint::Recruits));
    h.click("btnbuild");
    EXPECT_TRUE(line(h).startsWith("Der Gegner hat")) << "the last move again: " << line(h).toStdString();
    h.click("btncancelbuild");

    // The opponent builds.
    nextOpponentMove(h, 10);
    h.click("btnendtry");
    ASSERT_GT(s.enemytowers + s.enemybunkers + s.enemyminefields, 0);
    EXPECT_EQ(line(h), gw::HintController::text(Hint::Built));

    // The opponent attacks: the battle report's hint first; the attack's
    // never speaks of a round whose move was another, so it waits for the
    // opponent's next attack.
    s.recruits = 0;
    nextOpponentMove(h, 11);
    h.click("btnendtry");
    ASSERT_FALSE(h.widget("panreport")->isHidden());
    EXPECT_EQ(line(h), gw::HintController::text(Hint::Report));
    nextOpponentMove(h, 1);
    h.click("btnendtry");
    EXPECT_TRUE(line(h).startsWith("Der Gegner hat")) << "the opponent's purchase: " << line(h).toStdString();
    nextOpponentMove(h, 11);
    h.click("btnendtry");
    EXPECT_EQ(line(h), gw::HintController::text(Hint::Attacked));

    // Each once a game: more of the same brings the last move.
    nextOpponentMove(h, 10);
    buyRecruits(h, 5);
    EXPECT_TRUE(line(h).startsWith("Der Gegner hat")) << line(h).toStdString();
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
}

TEST(Hints, NeverSpendATurnOrChangeTheGame)
{
    // The same moves with the hints on and off leave the same game.
    std::vector<gw::test::Snapshot> played[2];
    for (const char *hints : {"hints=1", "hints=0"}) {
        Harness h;
        startWithOptions(h, {"", "0", "0", "de", hints});
        auto &steps = played[hints == std::string("hints=0")];
        steps.push_back(gw::test::snapshot(h.gw->state()));
        nextOpponentMove(h, 1);
        buyRecruits(h, 5);
        steps.push_back(gw::test::snapshot(h.gw->state()));
        nextOpponentMove(h, 11);
        h.click("btnendtry");
        steps.push_back(gw::test::snapshot(h.gw->state()));
        h.click("btnclosereport");
        steps.push_back(gw::test::snapshot(h.gw->state()));
    }
    ASSERT_EQ(played[0].size(), played[1].size());
    for (std::size_t i = 0; i < played[0].size(); ++i)
        EXPECT_EQ(played[0][i], played[1][i]) << "step " << i;
    EXPECT_EQ(played[0].front().at("rounds"), "0") << "the first round's hint spent nothing";
}

TEST(Hints, NeverAgainOnceTheSwitchIsOff)
{
    Harness h;
    startWithOptions(h, {"", "0", "0"});
    ASSERT_EQ(line(h), gw::HintController::text(Hint::Land));
    // Off on the options screen: the hint goes at once, none comes again.
    h.click("btnendgame");
    h.click("btnoptions");
    EXPECT_EQ(textOf(h, "btnhints"), "* Eingeschaltet *");
    h.click("btnhints");
    EXPECT_EQ(textOf(h, "btnhints"), "* Ausgeschaltet *");
    h.click("btnoptionsback");
    EXPECT_EQ(h.dir.readLines("options.cfg").back(), "hints=0");
    h.click("btnskirmish");
    h.boxes.answerNext("&Ja");
    h.click("btnskirmishstart");
    EXPECT_EQ(line(h), "");
    nextOpponentMove(h, 1);
    buyRecruits(h, 5);
    EXPECT_TRUE(line(h).startsWith("Der Gegner hat")) << line(h).toStdString();

    // Kept for the next start.
    Harness again;
    again.dir.writeOptions(h.dir.readLines("options.cfg"));
    again.start();
    again.startSkirmish();
    EXPECT_EQ(line(again), "");
}

TEST(Hints, OnByDefaultUntilTheFirstFinishedGameButThePlayersChoiceStays)
{
    for (const bool chosen : {false, true}) {
        SCOPED_TRACE(chosen ? "chosen on" : "on by default");
        Harness h;
        startWithOptions(h, chosen ? std::vector<std::string>{"", "0", "0", "de", "hints=1"}
                                   : std::vector<std::string>{"", "0", "0"});
        ASSERT_EQ(line(h), gw::HintController::text(Hint::Land));
        // A won game.
        gw::GameState &s = h.gw->state();
        s.enemybasehp = 5;
        s.recruits = 1;
        h.click("btnfight");
        h.click("btnletsfight");
        h.click(QString("Image%1").arg(firstCell(s, [](const std::string &c) { return c == gw::kBlueBase; })));
        ASSERT_FALSE(h.widget("panwin")->isHidden());
        const std::vector<std::string> file = h.dir.readLines("options.cfg");
        EXPECT_EQ(std::count(file.begin(), file.end(), chosen ? "hints=1" : "hints=0"), 1);
        h.click("btnwin");
        h.click("btnskirmish");
        h.click("btnskirmishstart");
        EXPECT_EQ(line(h), chosen ? gw::HintController::text(Hint::Land) : QString());
    }
}

TEST(Hints, EachFitsTheLineInBothLanguages)
{
    Harness h;
    startWithOptions(h, {"", "0", "0"});
    QLabel *label = h.find<QLabel>("lablastmove");
    gw::StatusStrip &strip = h.find<gw::GameScreen>("pangame")->strip();
    const QFontMetrics metrics(label->font());
    for (const QString &language : {QStringLiteral("de"), QStringLiteral("en")}) {
        gw::setLanguage(language);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        for (Hint hint : {Hint::Land, Hint::Recruits, Hint::Report, Hint::Attacked, Hint::Built}) {
            const QString text = gw::HintController::text(hint);
            SCOPED_TRACE(text.toStdString());
            EXPECT_TRUE(text.contains(language == "de" ? "Tipp:" : "Tip:"));
            strip.showHint(text);
            const QStringList lines = label->text().split('\n');
            ASSERT_EQ(lines.size(), 2);
            for (const QString &l : lines)
                EXPECT_LE(metrics.horizontalAdvance(l), label->width());
        }
    }
    gw::setLanguage("de");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

TEST(Hints, NoHintOnTheWayToAttackForAPlayerWhoFoundIt)
{
    Harness h;
    startWithOptions(h, {"", "0", "0"});
    h.click("btnfight");
    h.click("btncancelfight");
    nextOpponentMove(h, 1);
    buyRecruits(h, 5);
    EXPECT_TRUE(line(h).startsWith("Der Gegner hat")) << line(h).toStdString();
}

} // namespace
