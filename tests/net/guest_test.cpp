// SPDX-License-Identifier: MIT
// The guest against a host that is no Grimsward or misbehaves: whatever it
// answers that cannot be read, or has no place, closes the connection with
// a reason, and nothing of it becomes the guest's view.

#include "netgame.h"

#include "wire_samples.h"

using namespace gw;
using namespace gw::test;

namespace {

struct Scene {
    FakeHost fake;
    NetGuest guest;
    GuestLog log;
    RawPeer *host = nullptr;

    // The guest joins the fake host, which reads its greeting.
    explicit Scene(const NetTiming &timing = fastTiming())
    {
        guest.setTiming(timing);
        log.follow(guest);
        guest.join(QStringLiteral("127.0.0.1"), fake.port(), QStringLiteral("k7mz-q4"));
        host = fake.guest();
        if (host)
            host->waitFor<wire::Hello>();
    }

    bool ended() { return waitUntil([&] { return !log.ends.empty(); }, 3000); }
};

wire::Welcome welcomeFor(const std::string &program)
{
    SideView v = sampleView();
    v.winner.reset();
    return {wire::kProtocolVersion, program, sampleMap(), v};
}

const std::string kProgram = GRIMSWARD_TEST_VERSION;

} // namespace

TEST(Guest, GreetsWithItsVersionsAndTheCodeAsAHostReadsIt)
{
    Scene s;
    ASSERT_NE(s.host, nullptr);
    const auto *hello = s.host->last<wire::Hello>();
    ASSERT_NE(hello, nullptr);
    EXPECT_EQ(hello->code, "K7MZQ4");
    EXPECT_EQ(hello->protocol, wire::kProtocolVersion);
    EXPECT_EQ(hello->program, kProgram);

    s.host->send(welcomeFor(kProgram));
    ASSERT_TRUE(waitUntil([&] { return s.log.joined; }));
    EXPECT_EQ(s.guest.map(), sampleMap());
    EXPECT_EQ(s.log.views.back(), welcomeFor(kProgram).view);
    EXPECT_TRUE(s.guest.isJoined());
}

TEST(Guest, AnAnswerThatCannotBeReadOrHasNoPlaceClosesTheConnection)
{
    SideView red = sampleView();
    red.side = Side::Red;
    red.lastMove->side = Side::Blue;
    struct Case {
        const char *what;
        bool joinFirst;
        std::string bytes;
        NetReason reason;
    };
    const Case cases[] = {
        {"garbage", false, std::string("\x00\x00\x00\x05garbage", 11), NetReason::Malformed},
        {"another protocol", false, "HTTP/1.1 400 Bad Request\r\n\r\n", NetReason::TooLarge},
        {"a view before the welcome", false, wire::encode(wire::ViewMessage{sampleView()}), NetReason::Unexpected},
        {"a welcome for Red", false, wire::encode(wire::Welcome{1, kProgram, sampleMap(), red}), NetReason::Malformed},
        {"a welcome of another version", false, wire::encode(welcomeFor("0.1")), NetReason::Version},
        {"a view for Red", true, wire::encode(wire::ViewMessage{red}), NetReason::Malformed},
        {"a refusal of no move", true,
         wire::encode(wire::MoveRefused{Move::endRound(), MoveRefusal::NotEnoughGold, 0}), NetReason::Unexpected},
        {"a second welcome", true, wire::encode(welcomeFor(kProgram)), NetReason::Unexpected},
        {"a message over 64 KB", true, std::string("\x00\x01\x00\x00", 4), NetReason::TooLarge},
        {"a goodbye over our move", true, wire::encode(wire::Goodbye{NetReason::OutOfTurn}), NetReason::Rejected},
    };
    for (const Case &c : cases) {
        Scene s;
        ASSERT_NE(s.host, nullptr) << c.what;
        if (c.joinFirst) {
            s.host->send(welcomeFor(kProgram));
            ASSERT_TRUE(waitUntil([&] { return s.log.joined; })) << c.what;
        }
        const std::size_t views = s.log.views.size();
        s.host->sendBytes(c.bytes);
        ASSERT_TRUE(s.ended()) << c.what;
        EXPECT_EQ(s.log.ends.back().first, c.reason) << c.what;
        EXPECT_EQ(s.log.views.size(), views) << c.what;
        EXPECT_FALSE(s.guest.isJoined()) << c.what;
        EXPECT_TRUE(waitUntil([&] { return s.host->closed(); })) << c.what;
    }
}

TEST(Guest, AHostThatSaysNothingOrGoesSilentCountsAsGone)
{
    NetTiming t = fastTiming();
    t.greeting = 400;
    t.wrongCodeDelay = 100;
    {
        Scene s(t);
        ASSERT_TRUE(s.ended());
        EXPECT_EQ(s.log.ends.back().first, NetReason::TimedOut);
        EXPECT_TRUE(s.log.refusals.empty());
    }
    {
        Scene s(t);
        s.host->send(welcomeFor(kProgram));
        ASSERT_TRUE(waitUntil([&] { return s.log.joined; }));
        ASSERT_TRUE(s.ended());
        EXPECT_EQ(s.log.ends.back().first, NetReason::TimedOut);
        EXPECT_NE(s.host->last<wire::Ping>(), nullptr);
    }
    {
        Scene s(t);
        s.host->send(welcomeFor(kProgram));
        ASSERT_TRUE(waitUntil([&] { return s.log.joined; }));
        s.host->abort();
        ASSERT_TRUE(s.ended());
        EXPECT_EQ(s.log.ends.back().first, NetReason::Lost);
    }
}
