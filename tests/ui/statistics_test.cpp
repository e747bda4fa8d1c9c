// SPDX-License-Identifier: MIT
// The statistics through the window: wins, losses and the record per map,
// shown under the preview, and a damaged file kept aside.
#include "gameplay.h"

#include "core/cells.h"

#include <QComboBox>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const ScratchDir &dir, const QString &name)
{
    QFile f(dir.file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool shown(const Harness &h, const char *name) { return !h.widget(name)->isHidden(); }

void clickCell(Harness &h, int n) { h.click(QString("Image%1").arg(n)); }

// ---- Statistics ------------------------------------------------------------------

// The player attacks with one recruit a base with 5 hit points and nobody
// to defend it, in the given round.
void winInRound(Harness &h, int32_t rounds)
{
    h.startSkirmish();
    gw::GameState &s = h.gw->state();
    s.rounds = rounds;
    s.recruits = 1;
    s.enemybasehp = 5;
    h.click("btnfight");
    h.click("btnletsfight");
    clickCell(h, firstCell(s, [](const std::string &c) { return c == gw::kBlueBase; }));
    ASSERT_TRUE(shown(h, "panwin"));
}

TEST(Statistics, WinsLossesAndTheRecordAreCountedPerMapAndShownOnTheSkirmishScreen)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.start();
    h.click("btnskirmish");
    EXPECT_EQ(textOf(h, "labstats"), "Siege: 0 · Niederlagen: 0 · Rekord: – (Leicht)");
    h.click("btnskirmishback");

    const struct {
        int32_t rounds;
        bool newRecord;
    } wins[] = {{30, true}, {40, false}, {30, false}, {12, true}};
    for (const auto &win : wins) {
        winInRound(h, win.rounds);
        EXPECT_EQ(textOf(h, "labwin"), QString("Sie haben in %1 Runden gewonnen!").arg(win.rounds));
        EXPECT_EQ(shown(h, "labwinnote"), win.newRecord) << win.rounds;
        if (win.newRecord) {
            EXPECT_EQ(textOf(h, "labwinnote"), "Neuer Rekord!");
        }
        EXPECT_FALSE(QFile::exists(h.dir.file("savegame.gws")));
        h.click("btnwin");
    }
    // A defeat: the opponent attacks with one recruit a base with 5 hit points.
    h.startSkirmish();
    h.gw->state().basehp = 5;
    h.gw->state().enemyrecruits = 1;
    h.gw->random().seed(seedForFirstAction(11));
    h.click("btnendtry");
    ASSERT_TRUE(shown(h, "panlose"));
    h.click("btnlose");

    EXPECT_EQ(h.dir.readLines("stats.cfg"), (std::vector<std::string>{"grimsward-stats 2", "map Mittelmeer", "level 0",
                                                                       "wins 4", "losses 1", "record 12", "end"}));
    // Another window reads the same record; another map has none.
    h.gw.reset();
    h.boxes.clear();
    h.start();
    h.click("btnskirmish");
    EXPECT_EQ(textOf(h, "labstats"), "Siege: 4 · Niederlagen: 1 · Rekord: 12 Runden (Leicht)");
    h.find<QComboBox>("maplist")->setCurrentIndex(2);
    EXPECT_EQ(textOf(h, "labstats"), "Siege: 0 · Niederlagen: 0 · Rekord: – (Leicht)");
    EXPECT_TRUE(h.boxes.boxes().empty()) << h.boxes.texts().join("; ").toStdString();
}

TEST(Statistics, ADamagedFileIsKeptAsBadThePlayerIsToldOnceAndCountingStartsAfresh)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.dir.write("stats.cfg", "grimsward-stats 1\r\nmap Mittelmeer\r\nwins drei\r\n");
    h.start();
    h.click("btnskirmish");
    ASSERT_EQ(h.boxes.boxes().size(), 1u);
    EXPECT_EQ(h.boxes.boxes()[0].text, "Die Statistik in stats.cfg ist beschädigt. Sie liegt jetzt unverändert in "
                                       "stats.cfg.bad; die Zählung beginnt neu.");
    EXPECT_EQ(bytesOf(h.dir, "stats.cfg.bad"), "grimsward-stats 1\r\nmap Mittelmeer\r\nwins drei\r\n");
    EXPECT_FALSE(QFile::exists(h.dir.file("stats.cfg")));
    EXPECT_EQ(textOf(h, "labstats"), "Siege: 0 · Niederlagen: 0 · Rekord: – (Leicht)");
    h.click("btnskirmishback");

    winInRound(h, 20);
    h.click("btnwin");
    h.click("btnskirmish");
    EXPECT_EQ(textOf(h, "labstats"), "Siege: 1 · Niederlagen: 0 · Rekord: 20 Runden (Leicht)");
    EXPECT_EQ(h.boxes.texts().filter("Statistik").size(), 1) << "told once";
    EXPECT_EQ(bytesOf(h.dir, "stats.cfg.bad"), "grimsward-stats 1\r\nmap Mittelmeer\r\nwins drei\r\n");
}

} // namespace

namespace {

TEST(Statistics, AFileKeptAsideBeforeIsNeverReplacedByTheNextDamagedOne)
{
    Harness h;
    h.dir.writeOptions({"", "0", "0"});
    h.dir.write("stats.cfg.bad", "the first damaged statistics");
    h.dir.write("savegame.gws.bad", "the first damaged save");
    h.dir.write("stats.cfg", "grimsward-stats 1\r\nwins drei\r\n");
    h.dir.write("savegame.gws", "grimsward-save 1\r\nmap\r\n");
    h.start();
    h.click("btnskirmish");
    ASSERT_EQ(h.boxes.boxes().size(), 2u) << h.boxes.texts().join("; ").toStdString();
    EXPECT_TRUE(h.boxes.texts()[0].endsWith("ein neues Spiel legt sie als savegame.gws.bad.2 beiseite."))
        << h.boxes.texts()[0].toStdString();
    EXPECT_EQ(h.boxes.texts()[1], "Die Statistik in stats.cfg ist beschädigt. Sie liegt jetzt unverändert in "
                                  "stats.cfg.bad.2; die Zählung beginnt neu.");
    h.click("btnskirmishstart");
    EXPECT_EQ(bytesOf(h.dir, "stats.cfg.bad"), "the first damaged statistics");
    EXPECT_EQ(bytesOf(h.dir, "stats.cfg.bad.2"), "grimsward-stats 1\r\nwins drei\r\n");
    EXPECT_EQ(bytesOf(h.dir, "savegame.gws.bad"), "the first damaged save");
    EXPECT_EQ(bytesOf(h.dir, "savegame.gws.bad.2"), "grimsward-save 1\r\nmap\r\n");
}

} // namespace
