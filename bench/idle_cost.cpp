// SPDX-License-Identifier: MIT
// Idle cost of the window: CPU time per second of wall time and peak memory
// while the game sits on one screen, and the time from start to that
// screen. "bare" measures an empty Qt window of the same size started the
// same way, as the yardstick; "timer" is that window with a 25 ms timer
// that does nothing. "menu", "options", "skirmish" and "game" (the game
// screen with the field redraw running) have music and sound switched off;
// "music" is the main menu with the options a new player gets, music and
// sound on (run it where a sound server plays it, as bench/idle.sh does).
// "hotseat" is the game screen of a game of two with Red's move made, the
// cover waiting for Blue (the field redraw running as for "game").
// "menu200" and "game200" are those screens with the window drawn at 200 %
// (window=200 in the options file, as a player sets it); "menu-qsf2" and
// "game-qsf2" are them at 100 % with the toolkit's own scale factor
// QT_SCALE_FACTOR=2, which draws the same picture but takes effect only at
// the start of the program.
// Start-up is the time from the program's start until the window on the
// screen has been exposed and drawn; with 0 seconds the program ends there,
// after printing it.
// The measurement begins a second after the screen shows, with the line
// "ready PID" on the standard output, and ends with the figures' line; with
// "hold" the program then waits for the end of its standard input before it
// exits, so bench/idle.sh can read its threads' counters in /proc at both
// ends of the measurement.
//   bench_idle bare|timer|menu|music|options|skirmish|game|hotseat|menu200|game200|menu-qsf2|game-qsf2 [seconds] [hold]
#include "scratchdir.h"
#include "ui/gamecontroller.h"
#include "ui/screenswitcher.h"
#include "ui/tgw.h"
#include "ui/windowscaler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <sys/resource.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

double cpuSeconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

long peakKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    const char *mode = argc > 1 ? argv[1] : "menu";
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
    const bool hold = argc > 3 && std::strcmp(argv[3], "hold") == 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The screen and the way it is drawn larger, if it is.
    const std::string name = mode;
    const bool at200 = name == "menu200" || name == "game200";
    const bool qsf2 = name == "menu-qsf2" || name == "game-qsf2";
    const std::string screen = name.substr(0, name.find_first_of("2-"));
    if (qsf2)
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(makeRunDirectory(dir));
    if (at200) {
        QFile options("options.cfg");
        if (options.open(QIODevice::Append))
            options.write("de\r\nwindow=200\r\n");
    }
    if (std::strcmp(mode, "music") == 0) {
        QFile::remove("options.cfg");
        QFile::copy(QStringLiteral(GRIMSWARD_SOURCE_DIR "/dist/default-options.cfg"), "options.cfg");
    }

    std::unique_ptr<QWidget> window;
    QTimer idleTick;
    if (std::strcmp(mode, "bare") == 0 || std::strcmp(mode, "timer") == 0) {
        window = std::make_unique<QWidget>();
        window->setFixedSize(799, 595);
        if (std::strcmp(mode, "timer") == 0) {
            idleTick.setInterval(25);
            QObject::connect(&idleTick, &QTimer::timeout, [] {});
            idleTick.start();
        }
    } else {
        auto tgw = std::make_unique<gw::Tgw>(); // the real sound players
        if (at200 && tgw->scaler().size() != gw::WindowSize::Double) {
            // A screen too small for it (the offscreen platform's): drawn at
            // 200 % all the same.
            std::fprintf(stderr, "%s: the screen does not hold 200 %%; drawn at 200 %% regardless\n", mode);
            tgw->scaler().apply(gw::WindowSize::Double);
        }
        if (std::strcmp(mode, "options") == 0)
            tgw->screens().btnoptionsClick();
        if (std::strcmp(mode, "skirmish") == 0)
            tgw->screens().btnskirmishClick();
        if (screen == "game") {
            tgw->screens().btnskirmishClick();
            tgw->game().btnskirmishstartClick();
            tgw->game().enableRedraw(); // as after the opponent's first expansion
        }
        if (screen == "hotseat") {
            tgw->screens().btnskirmishClick();
            tgw->game().setStartPlayers(gw::Players::SameScreen);
            tgw->game().btnskirmishstartClick();
            tgw->game().btnendtryClick();
            tgw->game().enableRedraw();
        }
        window = std::move(tgw);
    }
    window->show();
    // Until the window on the screen is there and drawn: exposed, then its
    // first paint, which the exposure triggers.
    QWidget *shown = qobject_cast<gw::Tgw *>(window.get()) ? gw::screenWindowOf(window.get()) : window.get();
    QElapsedTimer exposing;
    exposing.start();
    while (!(shown->windowHandle() && shown->windowHandle()->isExposed()) && exposing.elapsed() < 5000)
        app.processEvents(QEventLoop::WaitForMoreEvents, 10);
    app.processEvents();
    const double startupMs = static_cast<double>(sinceStart.nsecsElapsed()) / 1e6;
    if (seconds == 0) {
        // Start-up alone.
        std::printf("%s: start-up %.0f ms\n", mode, startupMs);
        return 0;
    }
    // What follows the first showing (the menu timer's tick, the sound
    // server's answer) settles before the measurement.
    QTimer::singleShot(1000, &app, &QApplication::quit);
    app.exec();
    std::printf("ready %ld\n", static_cast<long>(getpid()));
    std::fflush(stdout);

    const double cpuBefore = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const double windowCpuBefore = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    app.exec();
    // The window's own thread is this one; the rest is the sound thread and
    // whatever threads the toolkit keeps.
    const double windowCpu = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - windowCpuBefore;
    const double cpu = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuBefore;
    const double wallSeconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    std::printf("%s: start-up %.0f ms, CPU %.3f%% of one core over %.1f s (window thread %.3f%%, other "
                "threads %.3f%%), peak memory %.1f MB\n",
                mode, startupMs, 100.0 * cpu / wallSeconds, wallSeconds, 100.0 * windowCpu / wallSeconds,
                100.0 * (cpu - windowCpu) / wallSeconds, static_cast<double>(peakKiB()) / 1024.0);
    std::fflush(stdout);
    char discard[256];
    while (hold && read(STDIN_FILENO, discard, sizeof discard) > 0) {
    }
    return 0;
}
