// SPDX-License-Identifier: MIT
// A network game between two real windows, each in a process of its own on
// 127.0.0.1, as two players' programs meet: from a player's move (a press
// of the round-end button) until the other program shows it on its screen,
// drawn, so many moves each way: median, 99th percentile and worst. The
// host's time includes its save of the move; both processes read the same
// monotonic clock.
// Usage: bench_netscreen [moves]                  (default 500)
//        bench_netscreen guest PORT CODE MOVES    (the guest's process, which the first starts)
#include "scratchdir.h"
#include "silentsound.h"
#include "net/netguest.h"
#include "net/nethost.h"
#include "ui/gamecontroller.h"
#include "ui/netguestcontroller.h"
#include "ui/nethostcontroller.h"
#include "ui/networkcontroller.h"
#include "ui/screenswitcher.h"
#include "ui/tgw.h"
#include "ui/windowscaler.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

qint64 now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A player's window in a working directory of its own, music and sound off.
struct Window {
    QTemporaryDir dir;
    std::unique_ptr<gw::Tgw> window;
    QPushButton *endtry = nullptr;
    explicit Window(const char *extraOptions)
    {
        makeRunDirectory(dir);
        QFile options(dir.filePath("options.cfg"));
        if (options.open(QIODevice::Append))
            options.write(extraOptions);
        QDir::setCurrent(dir.path());
        window = std::make_unique<gw::Tgw>(std::make_unique<SilentSound>());
        window->show();
        QApplication::processEvents();
        window->screens().btnskirmishClick();
        endtry = window->findChild<QPushButton *>("btnendtry");
    }
    // The window drawn as it stands, at once.
    void draw() { gw::screenWindowOf(window.get())->repaint(); }
};

void report(const char *what, const std::vector<qint64> &from, const std::vector<qint64> &to)
{
    std::vector<double> ms;
    for (std::size_t i = 0; i < std::min(from.size(), to.size()); ++i)
        ms.push_back(static_cast<double>(to[i] - from[i]) / 1e6);
    if (ms.empty())
        return;
    std::sort(ms.begin(), ms.end());
    const double median = ms.size() % 2 ? ms[ms.size() / 2] : (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2;
    std::printf("%-58s %4zu times: median %.2f ms, 99th %.2f ms, worst %.2f ms\n", what, ms.size(), median,
                ms[ms.size() * 99 / 100], ms.back());
}

// The guest: joins, and whenever Blue is on turn draws the screen, says
// when it showed the host's move, and ends the round at once.
int guestMain(quint16 port, const QString &code, int moves)
{
    Window w("");
    gw::NetGuest &net = w.window->network().guest().net();
    int seen = 0;
    QObject::connect(&net, &gw::NetGuest::viewReceived, [&](const gw::SideView &view) {
        if (view.onTurn != gw::Side::Blue)
            return;
        QTimer::singleShot(0, [&] {
            w.draw();
            std::printf("seen %lld\n", static_cast<long long>(now()));
            if (++seen > moves) {
                QApplication::quit();
                return;
            }
            std::printf("moved %lld\n", static_cast<long long>(now()));
            std::fflush(stdout);
            w.endtry->click();
        });
    });
    QObject::connect(&net, &gw::NetGuest::disconnected, [] { QApplication::quit(); });
    w.window->network().guest().join(QStringLiteral("127.0.0.1"), port, code);
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "guest")
        return guestMain(static_cast<quint16>(QByteArray(argv[2]).toUInt()), QString::fromLatin1(argv[3]),
                         std::atoi(argv[4]));
    const int moves = argc > 1 ? std::atoi(argv[1]) : 500;

    Window w("de\r\nhostaddress=127.0.0.1\r\n");
    gw::NetHostController &host = w.window->network().host();
    if (!host.host(std::string("Mittelmeer"), 0)) {
        std::fprintf(stderr, "no game could be hosted\n");
        return 1;
    }
    std::vector<qint64> hostMoved, guestSeen, guestMoved, hostSeen;
    QProcess guest;
    QObject::connect(&guest, &QProcess::readyReadStandardOutput, [&] {
        while (guest.canReadLine()) {
            const QList<QByteArray> words = guest.readLine().trimmed().split(' ');
            if (words.size() == 2 && words[0] == "seen")
                guestSeen.push_back(words[1].toLongLong());
            else if (words.size() == 2 && words[0] == "moved")
                guestMoved.push_back(words[1].toLongLong());
        }
    });
    const auto move = [&] {
        if (static_cast<int>(hostMoved.size()) == moves) {
            QTimer::singleShot(2000, &app, &QApplication::quit);
            return;
        }
        hostMoved.push_back(now());
        w.endtry->click();
    };
    // Blue's move on the host's screen: drawn once its handling is done,
    // then Red moves again.
    QObject::connect(&w.window->game(), &gw::GameController::turnPassed, [&](gw::Side next) {
        if (next != gw::Side::Red)
            return;
        QTimer::singleShot(0, [&] {
            w.draw();
            hostSeen.push_back(now());
            move();
        });
    });
    QObject::connect(&host.net(), &gw::NetHost::guestJoined, [&] { QTimer::singleShot(100, move); });
    guest.start(QCoreApplication::applicationFilePath(),
                {"guest", QString::number(host.net().port()), host.net().code(), QString::number(moves)});
    QTimer::singleShot(600000, &app, &QApplication::quit);
    QApplication::exec();
    host.net().close(); // the guest leaves when the host does
    guest.waitForFinished(5000);
    if (guestSeen.size() < hostMoved.size() || hostSeen.empty()) {
        std::fprintf(stderr, "the game stopped after %zu moves\n", hostMoved.size());
        return 1;
    }
    report("host's move -> on the guest's screen, drawn", hostMoved, guestSeen);
    report("guest's move -> on the host's screen, saved and drawn", guestMoved, hostSeen);
    return 0;
}
