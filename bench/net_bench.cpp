// SPDX-License-Identifier: MIT
// The network game on 127.0.0.1, host and guest in one process:
//  - a move of the guest to the host and the host's view back, 500 times:
//    median and worst;
//  - a move of the host's and its view at the guest, 500 times;
//  - the bytes of a whole seeded game of 100 rounds, each way.
// Usage: bench_net [moves] [rounds]   (defaults 500 and 100)
#include "hostedgame.h"
#include "net/netguest.h"
#include "net/nethost.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace gw;

namespace {

// Runs the event loop until something quits it, at most a second.
void waitOnce(QEventLoop &loop)
{
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(1000);
    loop.exec();
}

// Runs the event loop until the guest has a view newer than `count`, at most 5 s.
bool awaitView(const std::vector<SideView> &views, std::size_t count, QEventLoop &loop)
{
    QElapsedTimer clock;
    clock.start();
    while (views.size() <= count && clock.elapsed() < 5000)
        waitOnce(loop);
    return views.size() > count;
}

void report(const char *what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const double median = ms.size() % 2 ? ms[ms.size() / 2] : (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2;
    std::printf("%-52s %4zu times: median %.3f ms, 99th %.3f ms, worst %.3f ms\n", what, ms.size(), median,
                ms[ms.size() * 99 / 100], ms.back());
}

// A seeded player that names a move from what its view shows: mostly
// purchases and training, some land, now and then an attack or nothing.
Move choose(const SideView &v, Random &random)
{
    const int32_t gold = v.own.cash;
    switch (random.drawbelow(10)) {
    case 0: return Move::endRound();
    case 1:
    case 2:
        for (int n = 1; n <= kCells; ++n) {
            if (v.cell(n).compare(0, 5, "None_") == 0 && random.drawbelow(4) == 0)
                return Move::land(n);
        }
        return Move::endRound();
    case 3: return Move::attack();
    case 4: return Move::construction(static_cast<Building>(random.drawbelow(3)));
    case 5:
    case 6: {
        TrainingOrder t{};
        t[0] = std::min(v.own.recruits, v.own.mgs);
        return Move::train(t);
    }
    default: {
        PurchaseOrder p{};
        p[0] = std::clamp(gold / 40, 0, 999);
        p[1] = std::clamp(gold / 200, 0, 999);
        return Move::order(p);
    }
    }
}

// Every view the guest is shown, the first one at its joining included,
// kept in order; each ends the loop that waits for it.
void collectViews(NetGuest &guest, std::vector<SideView> &views, QEventLoop &loop)
{
    const auto keep = [&views, &loop](const SideView &v) {
        views.push_back(v);
        loop.quit();
    };
    QObject::connect(&guest, &NetGuest::joined, [keep](const wire::GameMap &, const SideView &v) { keep(v); });
    QObject::connect(&guest, &NetGuest::viewReceived, keep);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int moves = argc > 1 ? std::atoi(argv[1]) : 500;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 100;

    // ---- Moves and views, one at a time --------------------------------------
    {
        NetHost host;
        test::HostedGame game(host, "Mittelmeer");
        NetGuest guest;
        std::vector<SideView> views;
        QEventLoop loop;
        collectViews(guest, views, loop);
        if (!game.open() || !guest.join(QStringLiteral("127.0.0.1"), host.port(), host.code())
            || !awaitView(views, 0, loop)) {
            std::fprintf(stderr, "the guest could not join\n");
            return 1;
        }
        std::vector<double> there, back;
        QElapsedTimer clock;
        for (int i = 0; i < moves; ++i) {
            // The host's move, on the guest's side as its view.
            std::size_t count = views.size();
            clock.start();
            game.playRed(i % 2 ? Move::endRound() : Move::order({1, 0, 0, 0, 0}));
            if (!awaitView(views, count, loop))
                return 1;
            there.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            // The guest's move to the host and the host's view back.
            count = views.size();
            clock.start();
            if (!guest.sendMove(i % 2 ? Move::order({1, 0, 0, 0, 0}) : Move::endRound()) || !awaitView(views, count, loop))
                return 1;
            back.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        }
        report("host's move -> guest has its view", there);
        report("guest's move -> host -> guest has the view back", back);
        std::printf("game after them: round %d, Red %d recruits, Blue %d recruits\n", game.state().rounds,
                    game.state().recruits, game.state().enemyrecruits);
    }

    // ---- A whole game's traffic -----------------------------------------------
    {
        NetHost host;
        test::HostedGame game(host, "Mittelmeer", 4711);
        NetGuest guest;
        std::vector<SideView> views;
        int refusals = 0;
        QEventLoop loop;
        collectViews(guest, views, loop);
        QObject::connect(&guest, &NetGuest::moveRefused, [&](const Move &, MoveRefusal, int) {
            ++refusals;
            loop.quit();
        });
        if (!game.open() || !guest.join(QStringLiteral("127.0.0.1"), host.port(), host.code())
            || !awaitView(views, 0, loop))
            return 1;
        const quint64 welcome = guest.bytesReceived();
        Random red(11), blue(12);
        int played = 0;
        while (game.state().rounds < rounds && !views.back().winner) {
            const SideView redView = viewFor(game.state(), Side::Red, Side::Red);
            const std::size_t seen = views.size();
            if (!game.playRed(choose(redView, red)))
                game.playRed(Move::endRound());
            if (!awaitView(views, seen, loop) || views.back().winner)
                break;
            // The guest moves until a move is taken (a refused one costs nothing).
            for (int tries = 0; views.back().onTurn == Side::Blue && tries < 5; ++tries) {
                const std::size_t count = views.size();
                const int before = refusals;
                if (!guest.sendMove(tries < 4 ? choose(views.back(), blue) : Move::endRound()))
                    return 1;
                QElapsedTimer clock;
                clock.start();
                while (views.size() == count && refusals == before && clock.elapsed() < 5000)
                    waitOnce(loop);
            }
            ++played;
        }
        const SideView &last = views.back();
        std::printf("a seeded game: %d rounds played%s, %d of the guest's moves refused\n", played,
                    last.winner ? (*last.winner == Side::Red ? " (Red won)" : " (Blue won)") : "", refusals);
        std::printf("  host -> guest: %llu bytes (the welcome %llu), %zu views\n",
                    static_cast<unsigned long long>(guest.bytesReceived()), static_cast<unsigned long long>(welcome),
                    views.size());
        std::printf("  guest -> host: %llu bytes\n", static_cast<unsigned long long>(guest.bytesSent()));
        std::printf("  per round: %.0f bytes\n",
                    static_cast<double>(guest.bytesReceived() + guest.bytesSent()) / std::max(played, 1));
    }
    return 0;
}
