// SPDX-License-Identifier: MIT
// The battle report: which battles it shows and when, its lines against the
// battle results the rules return, and that closing it changes nothing.
#include "gameplay.h"

#include "ui/panels/reportpanel.h"

#include "core/cells.h"
#include "rules/actions.h"
#include "rules/enemyturn.h"
#include "rules/recording_screen.h"
#include "rules/state_snapshot.h"
#include "ui/texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <optional>

namespace {

// The lines the report shows for battle 1 or 2: its heading, then its body.
std::vector<std::string> shownLines(const Harness &h, int slot)
{
    std::vector<std::string> lines;
    auto *heading = h.find<QLabel>(QString("labreporthead%1").arg(slot));
    auto *body = h.find<QLabel>(QString("labreport%1").arg(slot));
    if (!heading || !body || heading->isHidden() || body->isHidden())
        return lines;
    lines.push_back(heading->text().toStdString());
    for (const QString &l : body->text().split('\n'))
        lines.push_back(l.toStdString());
    return lines;
}

std::vector<std::string> lines(const QStringList &list)
{
    std::vector<std::string> out;
    for (const QString &l : list)
        out.push_back(l.toStdString());
    return out;
}

bool reportOpen(const Harness &h) { return !h.widget("panreport")->isHidden(); }

int baseCell(const gw::GameState &s)
{
    return firstCell(s, [](const std::string &c) { return c == gw::kBlueBase; });
}

// What the window's next steps will do, replayed on a copy of its state and
// of its generator.
struct Replay {
    gw::GameState state;
    gw::Random random;
    std::optional<gw::BattleResult> attack;
    gw::EnemyTurnResult turn;
};

Replay replayAttack(const gw::GameState &s, uint32_t seed)
{
    Replay r{s, gw::Random(seed), std::nullopt, {}};
    gw::test::RecordingScreen screen;
    gw::classifyFieldClick(r.state, baseCell(s));
    r.attack = gw::playerattack(r.state, r.random, screen);
    r.turn = gw::enemyturn(r.state, r.random, screen);
    return r;
}

Replay replayRoundEnd(const gw::GameState &s, uint32_t seed)
{
    Replay r{s, gw::Random(seed), std::nullopt, {}};
    gw::test::RecordingScreen screen;
    r.turn = gw::enemyturn(r.state, r.random, screen);
    return r;
}

class Report : public ::testing::Test {
protected:
    void SetUp() override
    {
        startGame(h);
        // Forces on both sides, so every stage has something to tell.
        gw::GameState &s = h.gw->state();
        s.recruits = 40;
        s.infantry = 12;
        s.snipers = 6;
        s.mortarcrews = 3;
        s.specialunits = 2;
        s.enemyrecruits = 30;
        s.enemyinfantry = 10;
        s.enemysnipers = 4;
        s.enemymortarcrews = 2;
        s.enemyspecialunits = 1;
        s.enemytowers = 1;
        s.towers = 1;
        s.minefields = 1;
    }

    // The first seed whose replay satisfies the test.
    uint32_t seedFor(const std::function<Replay(uint32_t)> &replay, const std::function<bool(const Replay &)> &test)
    {
        for (uint32_t seed = 1; seed < 100000; ++seed) {
            if (test(replay(seed)))
                return seed;
        }
        ADD_FAILURE() << "no seed found";
        return 0;
    }

    void attackBase()
    {
        h.click("btnfight");
        h.click("btnletsfight");
        h.click(QString("Image%1").arg(baseCell(h.gw->state())));
    }

    Harness h;
};

TEST_F(Report, ThePlayersAttackIsReportedStageByStage)
{
    const gw::GameState before = h.gw->state();
    const uint32_t seed = seedFor([&](uint32_t sd) { return replayAttack(before, sd); },
                                  [](const Replay &r) { return r.turn.action != 11; });
    const Replay expected = replayAttack(before, seed);
    h.gw->random().seed(seed);
    attackBase();

    EXPECT_EQ(gw::test::snapshot(h.gw->state()), gw::test::snapshot(expected.state)) << "the replay is what happened";
    ASSERT_TRUE(reportOpen(h));
    EXPECT_EQ(shownLines(h, 1), lines(gw::Texts::battleReport(*expected.attack)));
    EXPECT_EQ(shownLines(h, 1).front(), "Ihr Angriff auf die gegnerische Basis");
    EXPECT_TRUE(shownLines(h, 2).empty()) << "the opponent did not attack";
    EXPECT_EQ(h.find<QLabel>("labreporttitle")->text(), "Kampfbericht");
    EXPECT_EQ(h.gw->state().rounds, 1) << "the report itself ends no turn";

    // Everything lies inside the panel, the panel inside the field, and the
    // button below the last line.
    QWidget *panel = h.widget("panreport");
    auto *close = h.find<QPushButton>("btnclosereport");
    auto *body = h.find<QLabel>("labreport1");
    EXPECT_EQ(close->text(), "Schliessen");
    EXPECT_GE(close->y(), body->geometry().bottom());
    EXPECT_TRUE(panel->rect().contains(close->geometry()));
    EXPECT_TRUE(panel->rect().contains(body->geometry()));
    EXPECT_GE(body->height(), body->heightForWidth(body->width())) << "no line is cut";
    EXPECT_TRUE(h.widget("panfield")->geometry().contains(panel->geometry()));
}

TEST_F(Report, TheOpponentsAttackIsReported)
{
    const gw::GameState before = h.gw->state();
    const uint32_t seed = seedForFirstAction(11);
    const Replay expected = replayRoundEnd(before, seed);
    ASSERT_TRUE(expected.turn.battle);
    h.gw->random().seed(seed);
    h.click("btnendtry");

    EXPECT_EQ(gw::test::snapshot(h.gw->state()), gw::test::snapshot(expected.state));
    ASSERT_TRUE(reportOpen(h));
    EXPECT_EQ(shownLines(h, 1), lines(gw::Texts::battleReport(*expected.turn.battle)));
    EXPECT_EQ(shownLines(h, 1).front(), "Angriff des Gegners auf Ihre Basis");
    EXPECT_TRUE(shownLines(h, 2).empty());
}

TEST_F(Report, BothBattlesOfOneRoundAreShownThePlayersFirst)
{
    const gw::GameState before = h.gw->state();
    const uint32_t seed = seedFor([&](uint32_t sd) { return replayAttack(before, sd); },
                                  [](const Replay &r) { return r.turn.action == 11; });
    const Replay expected = replayAttack(before, seed);
    h.gw->random().seed(seed);
    attackBase();

    EXPECT_EQ(gw::test::snapshot(h.gw->state()), gw::test::snapshot(expected.state));
    ASSERT_TRUE(reportOpen(h));
    EXPECT_EQ(shownLines(h, 1), lines(gw::Texts::battleReport(*expected.attack)));
    EXPECT_EQ(shownLines(h, 2), lines(gw::Texts::battleReport(*expected.turn.battle)));
    QWidget *panel = h.widget("panreport");
    EXPECT_TRUE(panel->rect().contains(h.widget("btnclosereport")->geometry()));
    EXPECT_GT(h.widget("labreporthead2")->y(), h.widget("labreport1")->geometry().bottom());
    EXPECT_TRUE(h.widget("panfield")->geometry().contains(panel->geometry()));
}

TEST_F(Report, NoBattleNoReport)
{
    gw::GameState &s = h.gw->state();
    for (int action = 1; action <= 12; ++action) {
        if (action == 11)
            continue;
        SCOPED_TRACE(action);
        h.gw->random().seed(seedForFirstAction(action));
        h.click("btnendtry");
        EXPECT_FALSE(reportOpen(h));
    }
    // Nor after a purchase, and an earlier report goes when the next round
    // brings no battle.
    h.gw->random().seed(seedForFirstAction(11));
    h.click("btnendtry");
    ASSERT_TRUE(reportOpen(h));
    h.gw->random().seed(seedForFirstAction(1));
    h.click("btnbuyzone");
    EXPECT_FALSE(reportOpen(h)) << "opening a panel puts the report away";
    const int32_t recruits = s.recruits;
    typeInto(h, "edrec", "1");
    h.click("btnletsbuy");
    EXPECT_EQ(s.recruits, recruits + 1);
    EXPECT_FALSE(reportOpen(h));
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
}

TEST_F(Report, ClosingItChangesNothing)
{
    h.gw->random().seed(seedForFirstAction(11));
    h.click("btnendtry");
    ASSERT_TRUE(reportOpen(h));
    const auto state = gw::test::snapshot(h.gw->state());
    const uint32_t generator = h.gw->random().state();
    QStringList labels;
    for (QLabel *l : h.widget("pangame")->findChildren<QLabel *>())
        labels << l->objectName() + "=" + l->text();

    h.click("btnclosereport");
    EXPECT_FALSE(reportOpen(h));
    EXPECT_EQ(gw::test::snapshot(h.gw->state()), state);
    EXPECT_EQ(h.gw->random().state(), generator);
    QStringList after;
    for (QLabel *l : h.widget("pangame")->findChildren<QLabel *>())
        after << l->objectName() + "=" + l->text();
    EXPECT_EQ(after, labels);
    EXPECT_TRUE(h.boxes.boxes().empty());
}

TEST_F(Report, ComesAfterTheVictoryBoxAndLiesBelowTheVictoryPanel)
{
    gw::GameState &s = h.gw->state();
    s.enemybasehp = 5;
    s.enemyrecruits = s.enemyinfantry = s.enemysnipers = s.enemymortarcrews = s.enemyspecialunits = 0;
    s.enemytowers = 0;
    bool reportDuringBox = true;
    h.boxes.onBox = [&](const BoxWatcher::Box &) { reportDuringBox = reportOpen(h); };
    h.gw->random().seed(seedForFirstAction(1));
    attackBase();

    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].text, "Sie haben die gegnerische Basis zerstört!");
    EXPECT_FALSE(reportDuringBox);
    EXPECT_TRUE(reportOpen(h));
    EXPECT_FALSE(h.widget("panwin")->isHidden());
    // Both can be read: the report keeps clear of the victory panel, and
    // the base is told as destroyed.
    EXPECT_FALSE(h.widget("panreport")->geometry().intersects(h.widget("panwin")->geometry()));
    EXPECT_TRUE(h.gw->rect().contains(h.widget("panreport")->geometry()));
    EXPECT_EQ(shownLines(h, 1).back(), "HP der Basis: 5 -> 0, zerstört");
    const QObjectList order = h.widget("pangame")->children();
    EXPECT_GT(order.indexOf(h.widget("panwin")), order.indexOf(h.widget("panreport")));
    EXPECT_GT(order.indexOf(h.widget("panlose")), order.indexOf(h.widget("panreport")));
}

TEST_F(Report, ComesAfterTheDefeatBox)
{
    gw::GameState &s = h.gw->state();
    s.basehp = 5;
    s.recruits = s.infantry = s.snipers = s.mortarcrews = s.specialunits = 0;
    s.towers = s.minefields = 0;
    bool reportDuringBox = true;
    h.boxes.onBox = [&](const BoxWatcher::Box &) { reportDuringBox = reportOpen(h); };
    h.gw->random().seed(seedForFirstAction(11));
    h.click("btnendtry");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].text, "Ihre Basis wurde zerstört!");
    EXPECT_FALSE(reportDuringBox);
    EXPECT_TRUE(reportOpen(h));
    EXPECT_FALSE(h.widget("panlose")->isHidden());
    EXPECT_FALSE(h.widget("panreport")->geometry().intersects(h.widget("panlose")->geometry()));
    EXPECT_EQ(shownLines(h, 1).back(), "HP der Basis: 5 -> 0, zerstört");
}

TEST_F(Report, AnOpponentsAttackWithoutTroopsIsOneLineAndNoReport)
{
    gw::GameState &s = h.gw->state();
    s.enemyrecruits = s.enemyinfantry = s.enemysnipers = s.enemymortarcrews = s.enemyspecialunits = 0;
    s.soundon = 1;
    h.sounds->clear();
    h.gw->random().seed(seedForFirstAction(11));
    h.click("btnendtry");
    EXPECT_FALSE(reportOpen(h));
    EXPECT_EQ(h.find<QLabel>("lablastmove")->text(), "Der Gegner griff ohne Truppen an.");
    EXPECT_EQ(*h.sounds, (std::vector<std::string>{"play sfightbg", "play sdefend", "stop sfightbg"}))
        << "the sounds as for any attack";
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
}

TEST_F(Report, PutAwayByTheRoundEndButtonTheOtherPanelsAndANewSkirmish)
{
    const uint32_t attack = seedForFirstAction(11);
    auto openReport = [&] {
        h.gw->state().enemyrecruits = 30; // troops to attack with
        h.gw->random().seed(attack);
        h.click("btnendtry");
        ASSERT_TRUE(reportOpen(h));
    };
    for (const char *button : {"btnbuyzone", "btntraining", "btnbuild", "btnfight", "btninfo"}) {
        SCOPED_TRACE(button);
        openReport();
        h.gw->state().basehp = 100;
        h.click(button);
        EXPECT_FALSE(reportOpen(h));
    }

    // The round-end button hides it before the new round; a quiet round
    // leaves it hidden.
    openReport();
    h.gw->random().seed(seedForFirstAction(1));
    h.click("btnendtry");
    EXPECT_FALSE(reportOpen(h));

    openReport();
    h.click("btnendgame");
    h.boxes.answerNext("&Ja"); // the game left may be replaced
    h.startSkirmish();
    EXPECT_FALSE(reportOpen(h));
}

} // namespace

namespace {

// A battle in which every stage fought with big numbers and met every kind
// of defender: the longest report lines there are.
gw::BattleResult everythingFought(bool playerAttacks)
{
    gw::BattleResult r;
    r.attackerIsPlayer = playerAttacks;
    r.basehpBefore = 100;
    r.basehpAfter = 75;
    for (int i = 0; i < 5; ++i) {
        gw::BattleStage &st = r.stages[static_cast<std::size_t>(i)];
        st.stage = i + 1;
        st.attackersAtStart = 99999;
        st.attackersLost = 99999;
        st.rolls = 199998;
        st.rollsAgainst.fill(9999);
        st.defendersAtStart.fill(9999);
        st.defendersLost.fill(9999);
        st.damage = 5;
    }
    return r;
}

TEST(ReportSize, EvenTheLongestReportStaysInsideTheWindow)
{
    Harness h;
    startGame(h);
    h.find<gw::ReportPanel>("panreport")->showBattleReport({everythingFought(true), everythingFought(false)});
    QWidget *panel = h.widget("panreport");
    ASSERT_FALSE(panel->isHidden());
    EXPECT_TRUE(h.gw->rect().contains(panel->geometry())) << panel->y() << " + " << panel->height();
    EXPECT_TRUE(panel->rect().contains(h.widget("btnclosereport")->geometry()));
    for (const char *name : {"labreport1", "labreport2"}) {
        auto *body = h.find<QLabel>(name);
        EXPECT_GE(body->height(), body->heightForWidth(body->width())) << name;
        EXPECT_TRUE(panel->rect().contains(body->geometry())) << name;
    }
}

} // namespace
