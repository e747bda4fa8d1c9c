// SPDX-License-Identifier: MIT
// A line between host and guest that breaks or goes silent: both sides are
// told, the game loses nothing, and the guest joins again where it stood.

#include "netgame.h"
#include "relay.h"

#include "rules/state_snapshot.h"

#include <QElapsedTimer>

using namespace gw;
using namespace gw::test;

class Line : public NetGame {
protected:
    void SetUp() override
    {
        NetGame::SetUp();
        relay = std::make_unique<Relay>(host.port());
        ASSERT_TRUE(join(guest, log, relay->port()));
        ASSERT_TRUE(game.playRed(Move::order({40, 0, 0, 0, 0})));
        ASSERT_TRUE(nextView(2));
    }

    // The guest joins again through the relay and finds the game as it stands.
    void joinAgainAndPlayOn()
    {
        const Snapshot before = snapshot(game.state());
        ASSERT_TRUE(join(guest, log, relay->port()));
        EXPECT_EQ(snapshot(game.state()), before);
        EXPECT_EQ(log.views.back(), game.blueView());
        EXPECT_EQ(log.views.back().onTurn, Side::Blue);
        EXPECT_EQ(log.views.back().other.recruits, 40);
        ASSERT_TRUE(guest.sendMove(Move::order({7, 0, 0, 0, 0})));
        ASSERT_TRUE(waitUntil([&] { return log.views.back().onTurn == Side::Red; }));
        EXPECT_EQ(game.state().enemyrecruits, 7);
    }

    std::unique_ptr<Relay> relay;
};

TEST_F(Line, ACutLineIsToldOnBothSidesAtOnce)
{
    QElapsedTimer clock;
    clock.start();
    relay->cut();
    ASSERT_TRUE(waitUntil([&] { return !lost.empty() && !log.ends.empty(); }, 2000));
    EXPECT_LT(clock.elapsed(), 500) << "a broken connection needs no silence to be seen";
    EXPECT_EQ(lost.back().first, NetReason::Lost);
    EXPECT_EQ(log.ends.back().first, NetReason::Lost);
    EXPECT_FALSE(host.hasGuest());
    EXPECT_FALSE(guest.isJoined());
    EXPECT_FALSE(guest.sendMove(Move::endRound()));
    joinAgainAndPlayOn();
}

TEST_F(Line, ALineThatGoesSilentCountsAsBrokenOnBothSidesAfterTheSilence)
{
    relay->freeze();
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(waitUntil([&] { return !lost.empty() && !log.ends.empty(); }, 3000));
    EXPECT_GE(clock.elapsed(), fastTiming().silence - 150);
    EXPECT_EQ(lost.back().first, NetReason::TimedOut);
    EXPECT_EQ(log.ends.back().first, NetReason::TimedOut);
    relay->thaw();
    relay->cut();
    joinAgainAndPlayOn();
}

TEST_F(Line, AMoveLostWithTheLineIsTheGuestsToMakeAgain)
{
    // The move goes out, the line breaks before it arrives: the game stands
    // where it stood, and the guest moves again after joining.
    relay->freeze();
    ASSERT_TRUE(guest.sendMove(Move::order({3, 0, 0, 0, 0})));
    relay->cut();
    relay->thaw();
    ASSERT_TRUE(waitUntil([&] { return !lost.empty() && !log.ends.empty(); }, 2000));
    EXPECT_TRUE(game.received().empty());
    EXPECT_FALSE(host.awaitingAnswer());
    joinAgainAndPlayOn();
}
