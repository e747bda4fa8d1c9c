// SPDX-License-Identifier: MIT
// The arena: seeded games of the reference players against the opponent's
// levels on the shipped maps, on the rules library alone.
//
//   build/bench/arena [--games N] [--map NAME] [--level 0|1|2] [--player NAME]
//                     [--seed S] [--limit ROUNDS] [--data DIR] [--jobs N] [--trace [--reasons]]
//                     [--head-to-head]
//
// --games   games per player, level and map (default 2000)
// --map     one map ("Mittelmeer", "Big City Crisis", "Gestrandet"); default all three
// --level   0 Leicht, 1 Mittel, 2 Schwer; default all three
// --player  passive, rush, rebuy, army, land, newcomer, best or landlord; default all
// --seed    the first game's seed (default 1); game i plays seed + i
// --limit   rounds after which a game counts as cut off (default 500)
// --data    the data directory (holding maps/skirmish/); default the working directory
// --jobs    games played at once (default 1)
// --trace   prints every round of the first game of each line
// --reasons with --trace: also every move Schwer tried, with its value
// --head-to-head  the levels against each other and against the reference
//           players instead, half the games with the sides exchanged
//           (bench/headtohead.cpp)
//
// It prints one line per player, level and map: games, wins in per cent,
// the median rounds to a win, losses, the median rounds to a loss, and the
// games cut off at the limit. Rounds are the round ends played, the one of
// the deciding turn included.
#include "games.h"
#include "headtohead.h"
#include "referenceplayers.h"

#include "core/gameerror.h"
#include "map/mapfile.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Options {
    long games = 2000;
    std::vector<std::string> maps;
    std::vector<int> levels = {0, 1, 2};
    std::vector<std::string> players;
    uint32_t seed = 1;
    int32_t limit = 500;
    std::string data;
    int jobs = 1;
    arena::Trace trace = arena::Trace::None;
    bool headToHead = false;
};

void runTable(const Options &o, const std::string &playerName, int level, const std::string &mapName,
              const gw::LoadedMap &map)
{
    std::vector<arena::GameResult> results(static_cast<std::size_t>(o.games));
    std::atomic<long> next{0};
    auto work = [&] {
        std::unique_ptr<arena::Player> player = arena::makePlayer(playerName);
        for (long i = next++; i < o.games; i = next++)
            results[static_cast<std::size_t>(i)] =
                arena::playGame(map, level, *player, o.seed + static_cast<uint32_t>(i), o.limit);
    };
    std::vector<std::thread> threads;
    for (int j = 1; j < o.jobs; ++j)
        threads.emplace_back(work);
    work();
    for (std::thread &t : threads)
        t.join();
    if (o.trace != arena::Trace::None) {
        std::unique_ptr<arena::Player> player = arena::makePlayer(playerName);
        arena::playGame(map, level, *player, o.seed, o.limit, nullptr, o.trace);
    }

    arena::Tally tally;
    for (const arena::GameResult &r : results)
        tally.add(r);
    static const char *const levelNames[] = {"Leicht", "Mittel", "Schwer"};
    std::printf("%-8s %-7s %-16s %6ld %7.1f %9s %7zu %9s %6ld\n", playerName.c_str(), levelNames[level],
                mapName.c_str(), o.games, 100.0 * tally.winShare(), arena::medianText(tally.wins).c_str(),
                tally.losses.size(), arena::medianText(tally.losses).c_str(), tally.cut);
    if (tally.refused > 0)
        std::printf("  (%ld refused orders: the player named actions the rules refused)\n", tally.refused);
    std::fflush(stdout);
}

bool parse(int argc, char **argv, Options &o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--head-to-head") {
            o.headToHead = true;
            continue;
        }
        if (a == "--trace" || a == "--reasons") {
            o.trace = a == "--trace" && o.trace == arena::Trace::None ? arena::Trace::Rounds : arena::Trace::Reasons;
            continue;
        }
        if (i + 1 >= argc)
            return false;
        const std::string v = argv[++i];
        if (a == "--games")
            o.games = std::atol(v.c_str());
        else if (a == "--map")
            o.maps = {v};
        else if (a == "--level")
            o.levels = {std::atoi(v.c_str())};
        else if (a == "--player")
            o.players = {v};
        else if (a == "--seed")
            o.seed = static_cast<uint32_t>(std::strtoul(v.c_str(), nullptr, 10));
        else if (a == "--limit")
            o.limit = std::atoi(v.c_str());
        else if (a == "--data")
            o.data = v;
        else if (a == "--jobs")
            o.jobs = std::max(1, std::atoi(v.c_str()));
        else
            return false;
    }
    for (int l : o.levels) {
        if (l < 0 || l > 2)
            return false;
    }
    for (const std::string &p : o.players) {
        if (!arena::makePlayer(p))
            return false;
    }
    return o.games > 0 && o.limit > 0;
}

} // namespace

int main(int argc, char **argv)
{
    Options o;
    if (!parse(argc, argv, o)) {
        std::string names;
        for (const std::string &p : arena::playerNames())
            names += (names.empty() ? "" : "|") + p;
        std::fprintf(stderr,
                     "usage: arena [--games N] [--map NAME] [--level 0|1|2] [--player %s] [--seed S] "
                     "[--limit ROUNDS] [--data DIR] [--jobs N] [--trace [--reasons]] [--head-to-head]\n",
                     names.c_str());
        return 2;
    }
    if (o.maps.empty())
        o.maps = gw::shippedMapNames();
    if (o.players.empty())
        o.players = arena::playerNames();
    try {
        if (!o.data.empty())
            std::filesystem::current_path(o.data);
        std::vector<gw::LoadedMap> maps;
        for (const std::string &m : o.maps)
            maps.push_back(gw::readMap(m));
        if (o.headToHead) {
            arena::runHeadToHead({o.games, o.maps, maps, o.levels, o.players, o.seed, o.limit, o.jobs});
            return 0;
        }
        std::printf("%-8s %-7s %-16s %6s %7s %9s %7s %9s %6s\n", "player", "level", "map", "games", "wins%",
                    "med.win", "losses", "med.loss", "cut");
        for (const std::string &p : o.players) {
            for (int level : o.levels) {
                for (std::size_t m = 0; m < maps.size(); ++m)
                    runTable(o, p, level, o.maps[m], maps[m]);
            }
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "arena: %s\n", e.what());
        return 1;
    }
    return 0;
}
