// SPDX-License-Identifier: MIT
// A hostile client against the host: garbage, another protocol, a message
// over 64 KB, a malformed or unknown one, a move out of turn or for Red,
// silence, a crowd at the door. Each is closed with its reason for the
// host's status line, nothing of it reaches the game, and a real guest can
// still join and play.

#include "netgame.h"

#include "rules/state_snapshot.h"

using namespace gw;
using namespace gw::test;

namespace {

std::string lengthBytes(uint32_t n)
{
    return {static_cast<char>(n >> 24), static_cast<char>((n >> 16) & 0xFF), static_cast<char>((n >> 8) & 0xFF),
            static_cast<char>(n & 0xFF)};
}

std::string framed(const std::string &body) { return lengthBytes(static_cast<uint32_t>(body.size())) + body; }

} // namespace

class Hostile : public NetGame {
protected:
    // A client that greets with the right code and is let in.
    std::unique_ptr<RawPeer> joinedPeer()
    {
        auto peer = std::make_unique<RawPeer>(host.port());
        peer->send(wire::Hello{wire::kProtocolVersion, host.program().toStdString(), host.code().toStdString()});
        EXPECT_TRUE(peer->waitFor<wire::Welcome>());
        return peer;
    }

    // The host still plays with a real guest afterwards.
    void realGuestPlays()
    {
        ASSERT_TRUE(join(guest, log));
        if (game.onTurn() == Side::Red) {
            ASSERT_TRUE(game.playRed(Move::endRound()));
        }
        const std::size_t views = log.views.size();
        ASSERT_TRUE(waitUntil([&] { return log.views.back().onTurn == Side::Blue; }));
        ASSERT_TRUE(guest.sendMove(Move::order({1, 0, 0, 0, 0})));
        ASSERT_TRUE(waitUntil([&] { return log.views.size() > views && log.views.back().onTurn == Side::Red; }));
    }
};

TEST_F(Hostile, StrangersAtTheDoorAreTurnedAwayWithTheirReason)
{
    const Snapshot before = snapshot(game.state());
    struct Case {
        const char *what;
        std::string bytes;
        NetReason reason;
        bool told; // a goodbye came first
    };
    const Case cases[] = {
        {"another protocol", "GET / HTTP/1.1\r\nHost: x\r\n\r\n", NetReason::TooLarge, true},
        {"a length of a gigabyte", lengthBytes(1u << 30) + "xxxx", NetReason::TooLarge, true},
        {"a length of nothing", lengthBytes(0), NetReason::Malformed, true},
        {"garbage in a frame", framed(std::string("\x01\x02\xFF garbage", 12)), NetReason::Malformed, true},
        {"an unknown message", framed("launch\nmissiles 3\n"), NetReason::Malformed, true},
        {"a move before the greeting", framed("move\nside blue\nmove end\n"), NetReason::Unexpected, true},
        {"a greeting out of form", framed("hello\nprotocol 1\nprogram 1.1\ncode ABC\n"), NetReason::Malformed, true},
        {"the largest frame, garbage", framed(std::string(wire::kMaxBody, 'x')), NetReason::Malformed, true},
    };
    for (const Case &c : cases) {
        RawPeer peer(host.port());
        ASSERT_TRUE(peer.connected()) << c.what;
        const std::size_t seen = turnedAway.size();
        peer.sendBytes(c.bytes);
        ASSERT_TRUE(waitUntil([&] { return turnedAway.size() > seen && peer.closed(); })) << c.what;
        EXPECT_EQ(turnedAway.back().first, c.reason) << c.what;
        const auto *bye = peer.last<wire::Goodbye>();
        EXPECT_EQ(bye != nullptr, c.told) << c.what;
        if (bye) {
            EXPECT_EQ(bye->reason, c.reason) << c.what;
        }
    }
    EXPECT_EQ(snapshot(game.state()), before);
    EXPECT_EQ(joins, 0);
    EXPECT_TRUE(lost.empty());
    EXPECT_TRUE(host.isOpen());
    realGuestPlays();
}

TEST_F(Hostile, AGuestThatMisbehavesIsClosedAndNothingOfItReachesTheGame)
{
    struct Case {
        const char *what;
        bool bluesTurn; // Blue on turn when it is sent
        std::string bytes;
        NetReason reason;
    };
    const Case cases[] = {
        {"a move out of turn", false, wire::encode(wire::MoveMessage{Side::Blue, Move::order({999, 0, 0, 0, 0})}),
         NetReason::OutOfTurn},
        {"a move for Red", true, wire::encode(wire::MoveMessage{Side::Red, Move::order({999, 0, 0, 0, 0})}),
         NetReason::WrongSide},
        {"the computer's expansion", true, framed("move\nside blue\nmove expand 0\n"), NetReason::Malformed},
        {"a purchase of 1000", true, framed("move\nside blue\nmove purchase 1000 0 0 0 0\n"), NetReason::Malformed},
        {"a counter beyond 32 bits", true, framed("move\nside blue\nmove land 4294967297\n"), NetReason::Malformed},
        {"a greeting again", true, wire::encode(wire::Hello{1, "1.1", "K7MZQ4"}), NetReason::Unexpected},
        {"a view for the host", true, wire::encode(wire::ViewMessage{game.blueView()}), NetReason::Unexpected},
        {"a message over 64 KB", true, lengthBytes(70000) + std::string(70000, 'x'), NetReason::TooLarge},
    };
    for (const Case &c : cases) {
        if (c.bluesTurn && game.onTurn() == Side::Red) {
            ASSERT_TRUE(game.playRed(Move::endRound())) << c.what;
        }
        ASSERT_EQ(game.onTurn() == Side::Blue, c.bluesTurn) << c.what;
        const auto peer = joinedPeer();
        const Snapshot before = snapshot(game.state());
        const std::size_t received = game.received().size(), seen = lost.size();
        peer->sendBytes(c.bytes);
        ASSERT_TRUE(waitUntil([&] { return lost.size() > seen && peer->closed(); })) << c.what;
        EXPECT_EQ(lost.back().first, c.reason) << c.what;
        ASSERT_NE(peer->last<wire::Goodbye>(), nullptr) << c.what;
        EXPECT_EQ(peer->last<wire::Goodbye>()->reason, c.reason) << c.what;
        EXPECT_EQ(game.received().size(), received) << c.what;
        EXPECT_EQ(snapshot(game.state()), before) << c.what;
        EXPECT_FALSE(host.hasGuest());
    }
    realGuestPlays();
}

TEST_F(Hostile, ASilentCallerAndACrowdAtTheDoorAreClosed)
{
    // Four may wait to greet at once; the fifth is closed at once.
    std::vector<std::unique_ptr<RawPeer>> crowd;
    for (int i = 0; i < 5; ++i)
        crowd.push_back(std::make_unique<RawPeer>(host.port()));
    ASSERT_TRUE(waitUntil([&] { return !turnedAway.empty(); }));
    EXPECT_EQ(turnedAway[0].first, NetReason::Full);
    EXPECT_EQ(turnedAway.size(), 1u);

    // Those that never greet are closed after the greeting time.
    ASSERT_TRUE(waitUntil([&] { return turnedAway.size() == 5; }, 4000));
    for (std::size_t i = 1; i < 5; ++i)
        EXPECT_EQ(turnedAway[i].first, NetReason::NoGreeting);
    EXPECT_TRUE(waitUntil([&] {
        return std::all_of(crowd.begin(), crowd.end(), [](const auto &p) { return p->closed(); });
    }));

    // A joined guest that stops answering counts as gone after the silence.
    const auto mute = joinedPeer();
    ASSERT_TRUE(waitUntil([&] { return !lost.empty(); }, 3000));
    EXPECT_EQ(lost.back().first, NetReason::TimedOut);
    EXPECT_TRUE(mute->last<wire::Ping>() != nullptr) << "the host asked before it gave up";
    realGuestPlays();
}
