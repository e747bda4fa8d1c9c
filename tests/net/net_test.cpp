// SPDX-License-Identifier: MIT
// A network game on 127.0.0.1: the guest joins, plays Blue through the
// host's record and sees only Blue's view; the one who leaves tells the
// other; a guest with another version, a wrong code or a game that has its
// guest is refused with its reason; and the guest joins again where the
// game stood.

#include "netgame.h"

#include "rules/state_snapshot.h"

#include <QElapsedTimer>
#include <QSet>

using namespace gw;
using namespace gw::test;
using gw::test::Snapshot;

TEST_F(NetGame, TheGuestJoinsAndPlaysBlueThroughTheHostsRecord)
{
    ASSERT_TRUE(join(guest, log));
    EXPECT_EQ(joins, 1);
    EXPECT_TRUE(host.hasGuest());
    EXPECT_EQ(guest.map(), game.map());
    EXPECT_EQ(log.views.back(), game.blueView());
    EXPECT_EQ(log.views.back().own.cash, 1000);
    EXPECT_EQ(host.code().size(), 6);
    EXPECT_TRUE(wire::isGameCode(host.code().toStdString()));
    // The addresses to tell a friend: this machine's own, never loopback.
    for (const QString &a : host.addresses()) {
        EXPECT_TRUE(a.endsWith(":" + QString::number(host.port()))) << qPrintable(a);
        EXPECT_FALSE(a.startsWith(QStringLiteral("127.")) || a.startsWith(QStringLiteral("[::1]"))) << qPrintable(a);
    }

    // Red is on turn: the guest cannot move.
    EXPECT_FALSE(guest.sendMove(Move::endRound()));

    ASSERT_TRUE(game.playRed(Move::order({50, 0, 0, 0, 0})));
    ASSERT_TRUE(nextView(2));
    const SideView afterRed = log.views.back();
    EXPECT_EQ(afterRed.onTurn, Side::Blue);
    EXPECT_EQ(afterRed.round, 1);
    EXPECT_EQ(afterRed.other.recruits, 50);
    ASSERT_TRUE(afterRed.lastMove);
    EXPECT_EQ(afterRed.lastMove->move, Move::order({50, 0, 0, 0, 0}));

    // Blue's purchase lands on Blue's counters in the host's record.
    ASSERT_TRUE(guest.sendMove(Move::order({30, 2, 0, 0, 0})));
    EXPECT_FALSE(guest.sendMove(Move::endRound())) << "a second move before the answer";
    ASSERT_TRUE(nextView(3));
    EXPECT_EQ(game.state().enemyrecruits, 30);
    EXPECT_EQ(game.state().enemymgs, 2);
    EXPECT_EQ(game.state().recruits, 50);
    EXPECT_EQ(log.views.back(), game.blueView());
    EXPECT_EQ(log.views.back().own.cash, game.state().enemycash);
    EXPECT_EQ(log.views.back().onTurn, Side::Red);

    // A move the rules refuse comes back with its refusal and changes nothing.
    ASSERT_TRUE(game.playRed(Move::endRound()));
    ASSERT_TRUE(nextView(4));
    const Snapshot before = snapshot(game.state());
    ASSERT_TRUE(guest.sendMove(Move::construction(Building::Tower)));
    ASSERT_TRUE(waitUntil([&] { return !log.moveRefusals.empty(); }));
    EXPECT_EQ(log.moveRefusals.back(), MoveRefusal::NotEnoughGold);
    EXPECT_EQ(snapshot(game.state()), before);
    EXPECT_EQ(log.views.size(), 4u);
    // ... and Blue is still on turn.
    ASSERT_TRUE(guest.sendMove(Move::endRound()));
    ASSERT_TRUE(nextView(5));
    EXPECT_EQ(log.views.back().onTurn, Side::Red);
    EXPECT_EQ(game.received().size(), 3u);
    EXPECT_TRUE(lost.empty());
    EXPECT_TRUE(log.ends.empty());
}

TEST_F(NetGame, EveryGameHasAFreshCode)
{
    QSet<QString> codes{host.code()};
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(game.open());
        codes << host.code();
    }
    EXPECT_GE(codes.size(), 20);
}

TEST_F(NetGame, AHostThatLeavesTellsTheGuestAndListensNoLonger)
{
    ASSERT_TRUE(join(guest, log));
    const quint16 port = host.port();
    host.close();
    ASSERT_TRUE(waitUntil([&] { return !log.ends.empty(); }));
    EXPECT_EQ(log.ends.back().first, NetReason::Left);
    EXPECT_FALSE(guest.isJoined());

    NetGuest late;
    GuestLog lateLog;
    lateLog.follow(late);
    ASSERT_TRUE(late.join(QStringLiteral("127.0.0.1"), port, QStringLiteral("K7MZQ4")));
    ASSERT_TRUE(waitUntil([&] { return !lateLog.ends.empty(); }));
    EXPECT_EQ(lateLog.ends.back().first, NetReason::CannotConnect);
}

TEST_F(NetGame, AGuestThatLeavesIsToldAndJoinsAgainWhereTheGameStood)
{
    ASSERT_TRUE(join(guest, log));
    ASSERT_TRUE(game.playRed(Move::order({10, 0, 0, 0, 0})));
    ASSERT_TRUE(nextView(2));
    ASSERT_TRUE(guest.sendMove(Move::order({20, 0, 0, 0, 0})));
    ASSERT_TRUE(nextView(3));
    ASSERT_TRUE(game.playRed(Move::endRound()));
    ASSERT_TRUE(nextView(4));

    guest.leave();
    ASSERT_TRUE(waitUntil([&] { return !lost.empty(); }));
    EXPECT_EQ(lost.back().first, NetReason::Left);
    EXPECT_TRUE(host.isOpen());
    EXPECT_TRUE(log.ends.empty()) << "the guest left of itself";

    ASSERT_TRUE(join(guest, log));
    EXPECT_EQ(joins, 2);
    EXPECT_EQ(log.views.back(), game.blueView());
    EXPECT_EQ(log.views.back().own.recruits, 20);
    EXPECT_EQ(log.views.back().onTurn, Side::Blue);
    ASSERT_TRUE(guest.sendMove(Move::order({5, 0, 0, 0, 0})));
    ASSERT_TRUE(waitUntil([&] { return log.views.back().own.recruits == 25; }));
}

TEST_F(NetGame, AnotherVersionAWrongCodeAndASecondGuestAreRefusedWithTheirReasons)
{
    const Snapshot before = snapshot(game.state());

    NetGuest old;
    GuestLog oldLog;
    oldLog.follow(old);
    old.setProgram(QStringLiteral("0.9"));
    ASSERT_TRUE(old.join(QStringLiteral("127.0.0.1"), host.port(), host.code()));
    ASSERT_TRUE(waitUntil([&] { return !oldLog.refusals.empty(); }));
    EXPECT_EQ(oldLog.refusals.back(), Report(NetReason::Version, host.program()));
    EXPECT_TRUE(oldLog.ends.empty());

    // A wrong code is answered only after the host's wait (a second by default).
    host.setTiming(NetTiming{});
    QString wrong = host.code();
    wrong[0] = wrong[0] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    NetGuest guesser;
    GuestLog guesserLog;
    guesserLog.follow(guesser);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(guesser.join(QStringLiteral("127.0.0.1"), host.port(), wrong.toLower()));
    ASSERT_TRUE(waitUntil([&] { return !guesserLog.refusals.empty(); }, 3000));
    EXPECT_GE(clock.elapsed(), 1000);
    EXPECT_EQ(guesserLog.refusals.back().first, NetReason::WrongCode);
    EXPECT_FALSE(guesser.join(QStringLiteral("127.0.0.1"), host.port(), QStringLiteral("K7MZQ"))) << "no code";

    // The right code while the game has its guest.
    host.setTiming(fastTiming());
    ASSERT_TRUE(join(guest, log));
    NetGuest second;
    GuestLog secondLog;
    secondLog.follow(second);
    ASSERT_TRUE(second.join(QStringLiteral("127.0.0.1"), host.port(), host.code()));
    ASSERT_TRUE(waitUntil([&] { return !secondLog.refusals.empty(); }));
    EXPECT_EQ(secondLog.refusals.back().first, NetReason::Full);

    ASSERT_TRUE(waitUntil([&] { return turnedAway.size() == 3; }));
    EXPECT_EQ(turnedAway[0].first, NetReason::Version);
    EXPECT_EQ(turnedAway[1].first, NetReason::WrongCode);
    EXPECT_EQ(turnedAway[2].first, NetReason::Full);
    EXPECT_TRUE(turnedAway[2].second.startsWith(QStringLiteral("127.0.0.1:")));
    EXPECT_EQ(snapshot(game.state()), before);

    // The guest that is in plays on.
    EXPECT_TRUE(host.hasGuest());
    ASSERT_TRUE(game.playRed(Move::endRound()));
    ASSERT_TRUE(nextView(2));
    ASSERT_TRUE(guest.sendMove(Move::endRound()));
    ASSERT_TRUE(nextView(3));
    EXPECT_TRUE(lost.empty());
}

TEST_F(NetGame, AViewGoesOutAtOnceNotAfterTheLastOneWasAcknowledged)
{
    // Views sent one after the other, each a while after the guest's last
    // message: held back for acknowledgements they would take some 40 ms.
    ASSERT_TRUE(join(guest, log));
    std::vector<qint64> ms;
    QElapsedTimer clock;
    for (int i = 0; i < 21; ++i) {
        const std::size_t count = log.views.size();
        clock.start();
        ASSERT_TRUE(game.playRed(Move::endRound()));
        ASSERT_TRUE(nextView(count + 1));
        ms.push_back(clock.elapsed());
        ASSERT_TRUE(guest.sendMove(Move::endRound()));
        ASSERT_TRUE(nextView(count + 2));
        spin(5);
    }
    std::sort(ms.begin(), ms.end());
    EXPECT_LT(ms[ms.size() / 2], 20) << "median of " << ms.size();
}
