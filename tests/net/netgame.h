// SPDX-License-Identifier: MIT
#pragma once
// A hosted game on 127.0.0.1 with what both sides report recorded.

#include "hostedgame.h"
#include "net/netguest.h"
#include "net/nethost.h"
#include "rawpeer.h"

#include <gtest/gtest.h>

#include <QString>

#include <utility>
#include <vector>

namespace gw::test {

using Report = std::pair<NetReason, QString>;

// Short times so that silence and the wrong-code wait are seen quickly.
inline NetTiming fastTiming()
{
    NetTiming t;
    t.ping = 100;
    t.silence = 700;
    t.greeting = 1500;
    t.wrongCodeDelay = 300;
    return t;
}

// Everything a guest reported.
struct GuestLog {
    std::vector<SideView> views;
    std::vector<Report> refusals, ends;
    std::vector<MoveRefusal> moveRefusals;
    bool joined = false;

    void follow(NetGuest &guest)
    {
        QObject::connect(&guest, &NetGuest::joined, &guest, [this](const wire::GameMap &, const SideView &v) {
            joined = true;
            views.push_back(v);
        });
        QObject::connect(&guest, &NetGuest::viewReceived, &guest, [this](const SideView &v) { views.push_back(v); });
        QObject::connect(&guest, &NetGuest::refused, &guest,
                         [this](NetReason r, const QString &program) { refusals.emplace_back(r, program); });
        QObject::connect(&guest, &NetGuest::disconnected, &guest,
                         [this](NetReason r, const QString &detail) { ends.emplace_back(r, detail); });
        QObject::connect(&guest, &NetGuest::moveRefused, &guest,
                         [this](const Move &, MoveRefusal r, int) { moveRefusals.push_back(r); });
    }
};

class NetGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.setTiming(fastTiming());
        guest.setTiming(fastTiming());
        QObject::connect(&host, &NetHost::guestJoined, &host, [this](const QString &) { ++joins; });
        QObject::connect(&host, &NetHost::guestLost, &host,
                         [this](NetReason r, const QString &d) { lost.emplace_back(r, d); });
        QObject::connect(&host, &NetHost::turnedAway, &host,
                         [this](NetReason r, const QString &peer) { turnedAway.emplace_back(r, peer); });
        log.follow(guest);
        ASSERT_TRUE(game.open());
        ASSERT_TRUE(host.isOpen());
        ASSERT_NE(host.port(), 0);
    }

    // Joins `g` to the game (by `port`, the host's own unless a relay's) and waits.
    bool join(NetGuest &g, GuestLog &l, quint16 port = 0)
    {
        const std::size_t before = l.views.size();
        l.joined = false;
        if (!g.join(QStringLiteral("127.0.0.1"), port ? port : host.port(), host.code()))
            return false;
        return waitUntil([&] { return l.joined && l.views.size() > before; });
    }

    // Waits for the guest's next view.
    bool nextView(std::size_t count) { return waitUntil([&] { return log.views.size() >= count; }); }

    NetHost host;
    HostedGame game{host, "Mittelmeer"};
    NetGuest guest;
    GuestLog log;
    int joins = 0;
    std::vector<Report> lost, turnedAway;
};

} // namespace gw::test
