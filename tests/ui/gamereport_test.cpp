// SPDX-License-Identifier: MIT
// The game report: offered by the result panels and the battle report once
// a game is decided, never before; its figures are what the game did, a
// continued game's report reaches back to its first round, a game of two
// names the sides, and its texts keep apart in both languages.
#include "gameplay.h"
#include "input.h"

#include "core/cells.h"
#include "rules/enemyturn.h"
#include "ui/gamecontroller.h"
#include "ui/widgets/coursechart.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

constexpr int kBlueBaseCell = 200; // on "Mittelmeer"

bool shown(const Harness &h, const char *name) { return !h.widget(name)->isHidden(); }
bool decided(const Harness &h) { return shown(h, "panwin") || shown(h, "panlose"); }

const gw::CourseChart &chart(const Harness &h, const char *name) { return *h.find<gw::CourseChart>(name); }

int64_t figure(const Harness &h, const QString &name) { return h.find<QLabel>(name)->text().toLongLong(); }

void attack(Harness &h, int cell)
{
    h.click("btnfight");
    h.click("btnletsfight");
    mouseClick(h.widget(QString("Image%1").arg(cell)));
}

// One turn of a player who buys 100 recruits and attacks while they last.
void rushTurn(Harness &h)
{
    const gw::GameState &s = h.gw->state();
    if (s.recruits > 0) {
        attack(h, kBlueBaseCell);
    } else if (s.cash >= 1000) {
        h.click("btnbuyzone");
        typeInto(h, "edrec", "100");
        h.click("btnletsbuy");
    } else {
        h.click("btnendtry");
    }
}

// What the battles of a game against the computer did, counted as they
// happened: the player's attacks with troops (every rush attack has them)
// and the opponent's from its round ends.
struct Battles {
    int attacks[2] = {0, 0};
    int won[2] = {0, 0};
    void watch(Harness &h)
    {
        QObject::connect(&h.gw->game(), &gw::GameController::roundEnded, [this](const gw::EnemyTurnResult &turn) {
            if (turn.battle && turn.battle->hadAttackers()) {
                ++attacks[1];
                ++won[turn.battle->basehpAfter < turn.battle->basehpBefore ? 1 : 0];
            }
        });
    }
};

int landOf(const gw::GameState &s, const std::string &owner, const char *base)
{
    int n = 0;
    for (int cell = 1; cell <= gw::kCells; ++cell) {
        const std::string &state = s.memgame.line(static_cast<std::size_t>(cell));
        n += state.rfind(owner, 0) == 0 && state != base ? 1 : 0;
    }
    return n;
}

// No text of the report runs into another on its row, and none leaves the panel.
void expectTextsApart(const Harness &h)
{
    QWidget *panel = h.widget("pangamereport");
    const auto labels = panel->findChildren<QLabel *>();
    for (QLabel *a : labels) {
        if (a->text().isEmpty())
            continue;
        EXPECT_TRUE(panel->rect().contains(a->geometry())) << a->objectName().toStdString();
        for (QLabel *b : labels) {
            if (a != b && !b->text().isEmpty()) {
                EXPECT_FALSE(a->geometry().adjusted(-4, 0, 4, 0).intersects(b->geometry()))
                    << a->objectName().toStdString() << " and " << b->objectName().toStdString();
            }
        }
    }
}

// A game against "Leicht" on its first map, its generator seeded.
void startSeeded(Harness &h, uint32_t seed)
{
    h.dir.writeOptions({"", "0", "0", "de", "hints=0"});
    h.start();
    h.gw->random().seed(seed);
    h.startSkirmish();
}

} // namespace

TEST(GameReport, ItsFiguresAreWhatTheGameDidAndItComesOnlyOnceTheGameIsDecided)
{
    Harness h;
    startSeeded(h, 4242);
    Battles battles;
    battles.watch(h);
    int attacks = 0, won = 0;
    for (int turn = 0; turn < 300 && !decided(h); ++turn) {
        EXPECT_FALSE(shown(h, "btngamereport")) << "not before the game is decided";
        const int32_t before = h.gw->state().enemybasehp;
        const bool attacking = h.gw->state().recruits > 0;
        rushTurn(h);
        if (attacking) {
            ++attacks;
            won += h.gw->state().enemybasehp < before ? 1 : 0;
        }
    }
    ASSERT_TRUE(decided(h));
    const gw::GameState end = h.gw->state();
    const char *result = shown(h, "panwin") ? "btnwinreport" : "btnlosereport";
    EXPECT_TRUE(shown(h, result));
    EXPECT_TRUE(shown(h, "panreport"));
    EXPECT_TRUE(shown(h, "btngamereport")) << "the deciding battle's report offers it too";
    EXPECT_FALSE(shown(h, "pangamereport"));

    h.click(result);
    ASSERT_TRUE(shown(h, "pangamereport"));
    EXPECT_EQ(figure(h, "labgamereportred1"), attacks);
    EXPECT_EQ(figure(h, "labgamereportblue1"), battles.attacks[1]);
    EXPECT_EQ(figure(h, "labgamereportred2"), won + battles.won[0]);
    EXPECT_EQ(figure(h, "labgamereportblue2"), battles.won[1] + (attacks - won));
    EXPECT_EQ(figure(h, "labgamereportred3"), 100 - end.enemybasehp);
    EXPECT_EQ(figure(h, "labgamereportred4"), 100 - end.basehp);
    EXPECT_EQ(figure(h, "labgamereportblue3"), 100 - end.basehp);
    EXPECT_EQ(figure(h, "labgamereportred5"), landOf(end, "Red_", gw::kRedBase));
    EXPECT_EQ(figure(h, "labgamereportblue5"), landOf(end, "Blue_", gw::kBlueBase));
    EXPECT_GE(figure(h, "labgamereportred6"), 100);
    // The charts end where the game ended.
    const auto &gold = chart(h, "chartgold");
    ASSERT_EQ(gold.series(0).size(), static_cast<std::size_t>(end.rounds) + 1);
    EXPECT_EQ(gold.series(0).front(), 1000);
    EXPECT_EQ(gold.series(0).back(), end.cash);
    EXPECT_EQ(gold.series(1).back(), end.enemycash);
    EXPECT_EQ(chart(h, "charthp").series(1).back(), std::max(end.enemybasehp, 0));
    EXPECT_EQ(chart(h, "chartincome").series(0).back(), end.taxes);
    EXPECT_EQ(textOf(h, "labgamereporthead1"), "Sie");
    EXPECT_EQ(textOf(h, "labgamereporthead2"), "Gegner");
    EXPECT_TRUE(textOf(h, "labgamereporttitle").startsWith("Spielbericht: Mittelmeer (Leicht)"));
    EXPECT_EQ(textOf(h, "labgamereportresult"), shown(h, "panwin") ? textOf(h, "labwin") : textOf(h, "lablose"));
    EXPECT_TRUE(textOf(h, "labgamereportnote").isEmpty());
    expectTextsApart(h);

    // Escape closes it and leaves the result; the battle report opens it again.
    pressKey(h.gw.get(), Qt::Key_Escape);
    EXPECT_FALSE(shown(h, "pangamereport"));
    EXPECT_TRUE(decided(h));
    h.click("btngamereport");
    EXPECT_TRUE(shown(h, "pangamereport"));
    h.click("btnclosegamereport");
    EXPECT_FALSE(shown(h, "pangamereport"));

    // A new game has no report until it is decided.
    h.click(shown(h, "panwin") ? "btnwin" : "btnlose");
    h.startSkirmish();
    attack(h, kBlueBaseCell);
    EXPECT_FALSE(shown(h, "btngamereport"));
}

TEST(GameReport, AContinuedGamesReportCoversTheRoundsBeforeTheSave)
{
    Harness h;
    startSeeded(h, 777);
    std::vector<int64_t> gold = {h.gw->state().cash}, hp = {h.gw->state().basehp};
    for (int turn = 0; turn < 8; ++turn) {
        rushTurn(h);
        gold.push_back(h.gw->state().cash);
        hp.push_back(h.gw->state().basehp);
    }
    ASSERT_FALSE(decided(h));
    ASSERT_EQ(h.gw->state().rounds, 8);
    h.click("btnendgame"); // saves the game and leaves it
    h.gw.reset();          // the program ends

    h.start();
    h.click("btnskirmish");
    h.click("btncontinue");
    ASSERT_TRUE(shown(h, "pangame"));
    EXPECT_EQ(h.gw->state().rounds, 8);
    for (int turn = 0; turn < 300 && !decided(h); ++turn)
        rushTurn(h);
    ASSERT_TRUE(decided(h));
    h.click(shown(h, "panwin") ? "btnwinreport" : "btnlosereport");
    ASSERT_TRUE(shown(h, "pangamereport"));
    const auto &goldChart = chart(h, "chartgold");
    ASSERT_EQ(goldChart.series(0).size(), static_cast<std::size_t>(h.gw->state().rounds) + 1);
    for (std::size_t round = 0; round < gold.size(); ++round) {
        EXPECT_EQ(goldChart.series(0)[round], gold[round]) << "round " << round;
        EXPECT_EQ(chart(h, "charthp").series(0)[round], hp[round]) << "round " << round;
    }
    EXPECT_GE(figure(h, "labgamereportred1"), 1) << "the attacks before the save count too";
    EXPECT_TRUE(textOf(h, "labgamereportnote").isEmpty());
}

TEST(GameReport, AGameOfTwoNamesTheSidesInEitherLanguage)
{
    for (const char *language : {"de", "en"}) {
        SCOPED_TRACE(language);
        const bool german = std::string(language) == "de";
        Harness h;
        h.dir.writeOptions({"", "0", "0", language, "hints=0"});
        h.start();
        h.click("btnskirmish");
        h.click("btnplayers");
        h.click("btnskirmishstart");
        // Red buys 100 recruits and attacks the undefended blue base 20
        // times, 5 hit points each; Blue only ends its halves.
        const auto blueEnds = [&h] {
            mouseClick(h.widget("pancover"));
            h.click("btnendtry");
            mouseClick(h.widget("pancover"));
        };
        h.click("btnbuyzone");
        typeInto(h, "edrec", "100");
        h.click("btnletsbuy");
        blueEnds();
        for (int turn = 0; turn < 20; ++turn) {
            attack(h, kBlueBaseCell);
            if (!decided(h))
                blueEnds();
        }
        ASSERT_TRUE(shown(h, "panwin"));
        h.click("btnwinreport");
        ASSERT_TRUE(shown(h, "pangamereport"));
        EXPECT_EQ(textOf(h, "labgamereporthead1"), german ? "Rot" : "Red");
        EXPECT_EQ(textOf(h, "labgamereporthead2"), german ? "Blau" : "Blue");
        EXPECT_EQ(textOf(h, "labgamereporttitle"),
                  german ? "Spielbericht: Mittelmeer (zu zweit)" : "Game report: Mediterranean (two players)");
        EXPECT_EQ(textOf(h, "labgamereportresult"),
                  german ? "Rot hat gewonnen! (in Runde 21)" : "Red has won! (in round 21)");
        const gw::GameState &end = h.gw->state();
        const int64_t expected[][2] = {{20, 0},   {20, 0}, {100, 0}, {0, 100}, {landOf(end, "Red_", gw::kRedBase),
                                        landOf(end, "Blue_", gw::kBlueBase)}, {100, 0}};
        for (int row = 0; row < 6; ++row) {
            EXPECT_EQ(figure(h, QString("labgamereportred%1").arg(row + 1)), expected[row][0]) << row;
            EXPECT_EQ(figure(h, QString("labgamereportblue%1").arg(row + 1)), expected[row][1]) << row;
        }
        EXPECT_EQ(chart(h, "charthp").series(1).back(), 0);
        EXPECT_EQ(chart(h, "chartarmy").series(0)[1], 100) << "100 recruits, strength 100, after round 1";
        expectTextsApart(h);
    }
}

