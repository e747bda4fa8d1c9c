// SPDX-License-Identifier: MIT
// Two players over the network, both windows in this process, on
// 127.0.0.1: the guest plays Blue on its own counters from the host's
// views and can spend nothing while Red is on turn, a move the host's rules
// refuse shows the guest the box of one screen, a guest that leaves can
// join again where the game stood or the host goes on against the
// computer, and a guest that is not let in is told why.
#include "gameplay.h"
#include "input.h"

#include "net/nethost.h"
#include "ui/gamecontroller.h"
#include "ui/nethostcontroller.h"
#include "ui/networkcontroller.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

bool shown(const Harness &h, const char *name) { return !h.widget(name)->isHidden(); }
bool enabled(const Harness &h, const char *name) { return h.widget(name)->isEnabled(); }

void buyRecruits(Harness &h, int count)
{
    h.click("btnbuyzone");
    typeInto(h, "edrec", QString::number(count));
    h.click("btnletsbuy");
}

// The boxes of both watchers that came over `window`.
QStringList boxesOver(const std::vector<const Harness *> &harnesses, const QWidget *window)
{
    QStringList out;
    for (const Harness *h : harnesses) {
        for (const BoxWatcher::Box &b : h->boxes.boxes()) {
            if (b.owner == window)
                out << b.title + ": " + b.text;
        }
    }
    return out;
}

// The guest's window is made first, so the working folder is the host's:
// the host saves there, and listens on 127.0.0.1 only.
struct NetworkGame : ::testing::Test {
    std::unique_ptr<Harness> guest = std::make_unique<Harness>();
    Harness host;

    void SetUp() override
    {
        host.dir.writeOptions({"", "0", "0", "de", "hostaddress=127.0.0.1"});
        guest->start();
        host.start();
        gw::NetHost &net = host.gw->network().host().net();
        gw::NetTiming quick;
        quick.wrongCodeDelay = 100;
        net.setTiming(quick);
        host.click("btnskirmish");
        ASSERT_TRUE(host.gw->network().host().host(std::string("Mittelmeer"), 0));
        ASSERT_TRUE(shown(host, "pangame"));
        ASSERT_TRUE(shown(host, "panconnection"));
        EXPECT_EQ(textOf(host, "labconntitle"), "Warte auf Blau …");
        EXPECT_EQ(textOf(host, "labconncode"), "Spielcode: " + net.code());
    }

    // The guest's way in: Gefecht, Netzwerkspiel, address, port and code, Beitreten.
    void typeJoin(Harness &g, const QString &code)
    {
        if (!shown(g, "panskirmish"))
            g.click("btnskirmish");
        g.click("btnnetwork");
        typeInto(g, "ednetjoinhost", "127.0.0.1");
        typeInto(g, "ednetjoinport", QString::number(host.gw->network().host().net().port()));
        typeInto(g, "ednetcode", code);
        g.click("btnnetjoin");
    }
    bool join(Harness &g)
    {
        typeJoin(g, host.gw->network().host().net().code().toLower());
        return waitUntil([&] { return shown(g, "pangame") && !shown(host, "panconnection"); }, 5000);
    }
};

TEST_F(NetworkGame, TheGuestPlaysBlueOnItsOwnCountersAndSpendsNothingWhileRedIsOnTurn)
{
    ASSERT_TRUE(join(*guest));
    Harness &g = *guest;
    EXPECT_EQ(textOf(g, "labenemylevel"), "Runde 1 · Rot ist am Zug");
    EXPECT_EQ(textOf(g, "lablastmove"), "Rot ist am Zug …");
    for (const char *command : {"btnbuyzone", "btntraining", "btnbuild", "btnfight", "btnendtry"})
        EXPECT_FALSE(enabled(g, command)) << command;
    // "Information" opens all the same.
    g.click("btninfo");
    EXPECT_TRUE(shown(g, "paninfo"));

    buyRecruits(host, 10);
    ASSERT_TRUE(waitUntil([&] { return textOf(g, "lablastmove") == "Der Gegner hat 10 Rekruten gekauft."; }, 5000));
    EXPECT_EQ(textOf(g, "labenemylevel"), "Runde 1 · Blau ist am Zug");
    EXPECT_FALSE(shown(g, "paninfo")) << "the turn passing closes the panels, as at one screen";
    EXPECT_TRUE(enabled(g, "btnbuyzone"));
    // The host keeps showing Red's counters and waits.
    EXPECT_EQ(textOf(host, "labrecruits"), "10");
    EXPECT_EQ(textOf(host, "lablastmove"), "Blau ist am Zug …");
    EXPECT_FALSE(enabled(host, "btnbuyzone"));

    buyRecruits(g, 20);
    EXPECT_TRUE(g.widget("panbuy")->isHidden());
    EXPECT_FALSE(enabled(g, "btnbuyzone")) << "Blue's move is made; Red is on turn until the host answers";
    ASSERT_TRUE(waitUntil([&] { return host.gw->state().enemyrecruits == 20 && textOf(g, "labrecruits") == "20"; },
                          5000));
    const gw::GameState &kept = host.gw->state();
    EXPECT_EQ(textOf(g, "labcash"), QString::number(kept.enemycash));
    EXPECT_EQ(textOf(host, "labcash"), QString::number(kept.cash));
    EXPECT_EQ(textOf(host, "lablastmove"), "Der Gegner hat 20 Rekruten gekauft.");
    EXPECT_EQ(g.gw->state().cash, 0) << "Red's gold never reaches the guest";
    const std::vector<std::string> save = host.dir.readLines("savegame.gws");
    EXPECT_NE(std::find(save.begin(), save.end(), "enemyrecruits 20"), save.end());
    EXPECT_NE(std::find(save.begin(), save.end(), "players 2"), save.end());
    EXPECT_TRUE(boxesOver({&host, &g}, g.gw.get()).isEmpty());
}

TEST_F(NetworkGame, AMoveTheHostRefusesShowsTheGuestTheBoxOfOneScreen)
{
    ASSERT_TRUE(join(*guest));
    Harness &g = *guest;
    buyRecruits(host, 10);
    ASSERT_TRUE(waitUntil([&] { return enabled(g, "btnbuyzone"); }, 5000));
    // The host's record no longer matches what the guest was told: its rules decide.
    host.gw->state().enemycash = 5;
    buyRecruits(g, 20);
    ASSERT_TRUE(waitUntil([&] { return !boxesOver({&host, &g}, g.gw.get()).isEmpty(); }, 5000));
    EXPECT_EQ(boxesOver({&host, &g}, g.gw.get()), QStringList{"Kasse: Sie besitzen nicht genügend Gold !"});
    EXPECT_TRUE(boxesOver({&host, &g}, host.gw.get()).isEmpty());
    // Nothing changed, and Blue is on turn again.
    EXPECT_EQ(host.gw->state().enemyrecruits, 0);
    EXPECT_EQ(host.gw->game().turn(), gw::Side::Blue);
    EXPECT_TRUE(enabled(g, "btnbuyzone"));
    EXPECT_EQ(textOf(g, "labenemylevel"), "Runde 1 · Blau ist am Zug");
}

TEST_F(NetworkGame, AGuestThatLeftJoinsAgainWhereTheGameStoodOrTheHostGoesOnAgainstTheComputer)
{
    ASSERT_TRUE(join(*guest));
    buyRecruits(host, 10);
    ASSERT_TRUE(waitUntil([&] { return enabled(*guest, "btnbuyzone"); }, 5000));
    guest.reset();
    ASSERT_TRUE(waitUntil([&] { return shown(host, "panconnection"); }, 5000));
    EXPECT_EQ(textOf(host, "labconntitle"), "Blau hat das Spiel verlassen.");
    host.click("btninfo");
    EXPECT_FALSE(shown(host, "paninfo")) << "the game waits";

    Harness again;
    QDir::setCurrent(host.dir.path()); // the host saves in its own folder
    again.start();
    ASSERT_TRUE(join(again));
    EXPECT_EQ(textOf(again, "labenemylevel"), "Runde 1 · Blau ist am Zug");
    EXPECT_EQ(textOf(again, "lablastmove"), "Der Gegner hat 10 Rekruten gekauft.");
    EXPECT_EQ(textOf(again, "labcash"), QString::number(host.gw->state().enemycash));
    again.click("btnendgame");
    ASSERT_TRUE(waitUntil([&] { return shown(host, "panconnection"); }, 5000));

    // Schwer takes Blue's half at once; from then on it answers every move.
    host.click("btnconnlevel");
    host.click("btnconnlevel");
    host.click("btnconncomputer");
    EXPECT_FALSE(shown(host, "panconnection"));
    EXPECT_EQ(textOf(host, "labenemylevel"), "Gegner: Schwer");
    EXPECT_EQ(host.gw->game().players(), gw::Players::Computer);
    EXPECT_EQ(host.gw->state().rounds, 1);
    EXPECT_EQ(host.gw->game().turn(), gw::Side::Red);
    host.click("btnendtry");
    EXPECT_EQ(host.gw->state().rounds, 2);
    const std::vector<std::string> save = host.dir.readLines("savegame.gws");
    EXPECT_NE(std::find(save.begin(), save.end(), "enemylevel 2"), save.end());
    EXPECT_EQ(std::find(save.begin(), save.end(), "players 2"), save.end());
    EXPECT_NE(std::find(save.begin(), save.end(), "log players 1"), save.end())
        << "the log goes on as a game against the computer";
}

TEST_F(NetworkGame, AGuestThatIsNotLetInIsToldWhyAndTheHostSaysWhomItTurnedAway)
{
    Harness &g = *guest;
    const QString code = host.gw->network().host().net().code();
    typeJoin(g, code.left(5));
    EXPECT_EQ(g.boxes.texts().value(0) + host.boxes.texts().value(0),
              "Ein Spielcode hat sechs Zeichen, Buchstaben und Ziffern ohne 0, O, 1 und I (zum Beispiel K7MZQ4).");
    g.boxes.clear();
    host.boxes.clear();

    QString wrong = code;
    wrong[0] = code[0] == 'A' ? 'B' : 'A';
    g.click("btnnetback");
    typeJoin(g, wrong);
    ASSERT_TRUE(waitUntil([&] { return !boxesOver({&host, &g}, g.gw.get()).isEmpty(); }, 5000));
    EXPECT_EQ(boxesOver({&host, &g}, g.gw.get()),
              QStringList{"Netzwerkspiel: Der Spielcode passt nicht zu diesem Spiel. Bitte fragen Sie den Gastgeber "
                          "nach dem Code."});
    EXPECT_EQ(textOf(host, "labconnstatus"), "Abgewiesen: falscher Spielcode (127.0.0.1).");
    EXPECT_TRUE(shown(g, "pannetwork"));

    // A second guest while the first plays.
    g.click("btnnetback");
    ASSERT_TRUE(join(g));
    Harness second;
    QDir::setCurrent(host.dir.path());
    second.start();
    typeJoin(second, code);
    ASSERT_TRUE(waitUntil([&] { return !boxesOver({&host, &g, &second}, second.gw.get()).isEmpty(); }, 5000));
    EXPECT_EQ(boxesOver({&host, &g, &second}, second.gw.get()),
              QStringList{"Netzwerkspiel: Dieses Spiel hat schon einen Mitspieler."});
    EXPECT_EQ(textOf(host, "labnetnote"), "Abgewiesen: das Spiel hat schon einen Mitspieler (127.0.0.1).");
    EXPECT_TRUE(shown(host, "labnetnote"));
    EXPECT_TRUE(shown(g, "pangame")) << "the first guest plays on";
}

} // namespace

TEST_F(NetworkGame, APortInUseOpensNoGameAndChangesNothing)
{
    Harness other;
    other.dir.writeOptions({"", "0", "0", "de", "hostaddress=127.0.0.1"});
    other.start();
    other.click("btnskirmish");
    const quint16 taken = host.gw->network().host().net().port();
    EXPECT_FALSE(other.gw->network().host().host(std::string("Mittelmeer"), taken));
    const QStringList boxes = boxesOver({&host, guest.get(), &other}, other.gw.get());
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith(QString("Netzwerkspiel: Auf Port %1 kann kein Spiel eröffnet werden: ").arg(taken)))
        << boxes[0].toStdString();
    EXPECT_TRUE(shown(other, "panskirmish"));
    EXPECT_FALSE(shown(other, "pangame"));
    EXPECT_FALSE(QFile::exists(other.dir.file("savegame.gws")));
    EXPECT_FALSE(other.gw->game().remoteSide());
    QDir::setCurrent(host.dir.path());
}
