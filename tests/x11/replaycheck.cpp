// SPDX-License-Identifier: MIT
// Plays a game's move log ("lastgame.gwr") again by the rules, to its end,
// and prints how it ended: "finished red 17" when every round repeated the
// log and the game was decided as the log says, else "parted ROUND WHY".
// Exits 0 only for a finished log.
//   replaycheck LOGFILE
#include "rules/replay.h"
#include "rules/screen.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: replaycheck LOGFILE\n");
        return 2;
    }
    try {
        std::ifstream file(argv[1], std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        if (!file) {
            std::printf("cannot read %s\n", argv[1]);
            return 1;
        }
        const gw::LogReadResult read = gw::readMoveLog(bytes.str());
        if (!read.playable()) {
            std::printf("unreadable line %d\n", read.line);
            return 1;
        }
        gw::Replay replay(read);
        gw::SilentScreen silent;
        const gw::ReplayStep last = replay.playToEnd(silent);
        if (last.outcome != gw::ReplayStep::Outcome::Finished) {
            std::printf("parted %d %d %s\n", last.round, static_cast<int>(last.parting), last.detail.c_str());
            return 1;
        }
        std::printf("finished %s %d\n", *replay.log().winner == gw::Side::Red ? "red" : "blue", last.round);
        return 0;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "replaycheck: %s\n", e.what());
        return 1;
    }
}
