// SPDX-License-Identifier: MIT
// The arena: seeded games of the reference players against the opponent's
// levels on the shipped maps, on the rules library alone.
//
//   build/bench/arena [--games N] [--map NAME] [--level 0|1|2] [--player NAME]
//                     [--seed S] [--limit ROUNDS] [--data DIR] [--jobs N] [--trace]
//   build/bench/arena --head-to-head [--games N] [--map ...] [--level ...] [--player ...] ...
//
// --games   games per player, level and map (default 2000)
// --map     one map ("Mittelmeer", "Big City Crisis", "Gestrandet"); default all three
// --level   0 Leicht, 1 Mittel, 2 Schwer; default all three
// --player  passive, rush, army, land or best; default all
// --seed    the first game's seed (default 1); game i plays seed + i
// --limit   rounds after which a game counts as cut off (default 500)
// --data    the data directory (holding maps/skirmish/); default the working directory
// --jobs    games played at once (default 1)
// --trace   prints every round of the first game of each line
// --head-to-head  the levels against each other and against the reference
//           players instead, half the games with the sides exchanged
//           (bench/headtohead.cpp)
//
// It prints one line per player, level and map: games, wins in per cent,
// the median rounds to a win, losses, the median rounds to a loss, and the
// games cut off at the limit. Rounds are the round ends played, the one of
// the deciding turn included.
#include "headtohead.h"
#include "referenceplayers.h"

#include "core/gameerror.h"
#include "core/gamestate.h"
#include "core/random.h"
#include "map/mapfile.h"
#include "rules/actions.h"
#include "rules/battle.h"
#include "rules/enemyturn.h"
#include "rules/move.h"
#include "rules/opponent.h"
#include "rules/screen.h"

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
    bool trace = false;
    bool headToHead = false;
};

enum class Outcome { Win, Loss, CutOff };
struct GameResult {
    Outcome outcome = Outcome::CutOff;
    int32_t rounds = 0;
    long refused = 0;
};

arena::Sight sightOf(const gw::GameState &s)
{
    arena::Sight v;
    v.rounds = s.rounds;
    v.cash = s.cash;
    v.taxes = s.taxes;
    v.basehp = s.basehp;
    v.recruits = s.recruits;
    v.mgs = s.mgs;
    v.rifles = s.rifles;
    v.mortars = s.mortars;
    v.specpacks = s.specpacks;
    v.infantry = s.infantry;
    v.snipers = s.snipers;
    v.mortarcrews = s.mortarcrews;
    v.specialunits = s.specialunits;
    v.towers = s.towers;
    v.bunkers = s.bunkers;
    v.minefields = s.minefields;
    v.enemyforces = {s.enemyrecruits, s.enemyinfantry, s.enemysnipers, s.enemymortarcrews,
                     s.enemyspecialunits};
    v.enemybasehp = s.enemybasehp;
    v.field = &s.memgame;
    return v;
}

// Carries the order out as the window does. Returns whether it ended the
// turn (a refused order does not) and, for an attack, the battle.
bool carryOut(gw::GameState &s, gw::Random &random, gw::Screen &screen, const arena::Order &o,
              std::optional<gw::BattleResult> &battle)
{
    const gw::MoveResult r = gw::applyMove(s, gw::Side::Red, o, random, screen);
    battle = r.battle;
    return static_cast<bool>(r);
}

const char *orderName(const arena::Order &o)
{
    static const char *const names[] = {"end", "land", "buy", "train", "build", "attack", "expand", "tier"};
    return names[static_cast<int>(o.kind)];
}

// One line per round: the player's order, the opponent's move, both sides.
void traceRound(const gw::GameState &s, const arena::Order &o, const gw::EnemyTurnResult &t)
{
    std::printf("r%-3d %-6s | opp a%-2d t%d n%-4d | P hp%3d $%6d tax%5d F %d/%d/%d/%d/%d D %d/%d/%d"
                " | O hp%3d $%6d tax%5d F %d/%d/%d/%d/%d D %d/%d/%d E %d/%d/%d/%d\n",
                s.rounds, orderName(o), t.action, t.tier, t.amount, s.basehp, s.cash, s.taxes, s.recruits,
                s.infantry, s.snipers, s.mortarcrews, s.specialunits, s.towers, s.bunkers, s.minefields,
                s.enemybasehp, s.enemycash, s.enemytaxes, s.enemyrecruits, s.enemyinfantry, s.enemysnipers,
                s.enemymortarcrews, s.enemyspecialunits, s.enemytowers, s.enemybunkers, s.enemyminefields,
                s.enemymgs, s.enemyrifles, s.enemymortars, s.enemyspecpacks);
}

GameResult playGame(const gw::LoadedMap &map, int level, arena::Player &player, uint32_t seed, int32_t limit,
                    bool trace = false)
{
    gw::GameState s;
    gw::applyMap(s, map);
    s.enemylevel = level;
    gw::Random random(seed);
    gw::SilentScreen screen;
    player.newGame();
    GameResult r;
    while (s.rounds < limit) {
        std::optional<gw::BattleResult> battle;
        bool ended = false;
        arena::Order order;
        for (int attempt = 0; attempt < 3 && !ended; ++attempt) {
            order = player.play(sightOf(s));
            ended = carryOut(s, random, screen, order, battle);
            if (!ended)
                ++r.refused;
        }
        const gw::EnemyTurnResult turn = gw::enemyturn(s, random, screen, battle && battle->baseDestroyed());
        if (trace)
            traceRound(s, order, turn);
        if (s.enemybasehp <= 0) {
            r.outcome = Outcome::Win;
            break;
        }
        if (s.basehp <= 0) {
            r.outcome = Outcome::Loss;
            break;
        }
    }
    r.rounds = s.rounds;
    return r;
}

std::string median(std::vector<int32_t> v)
{
    if (v.empty())
        return "-";
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    const double m = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", m);
    return buf;
}

void runTable(const Options &o, const std::string &playerName, int level, const std::string &mapName,
              const gw::LoadedMap &map)
{
    std::vector<GameResult> results(static_cast<std::size_t>(o.games));
    std::atomic<long> next{0};
    auto work = [&] {
        std::unique_ptr<arena::Player> player = arena::makePlayer(playerName);
        for (long i = next++; i < o.games; i = next++)
            results[static_cast<std::size_t>(i)] =
                playGame(map, level, *player, o.seed + static_cast<uint32_t>(i), o.limit);
    };
    std::vector<std::thread> threads;
    for (int j = 1; j < o.jobs; ++j)
        threads.emplace_back(work);
    work();
    for (std::thread &t : threads)
        t.join();
    if (o.trace) {
        std::unique_ptr<arena::Player> player = arena::makePlayer(playerName);
        playGame(map, level, *player, o.seed, o.limit, true);
    }

    std::vector<int32_t> wins, losses;
    long cut = 0, refused = 0;
    for (const GameResult &r : results) {
        refused += r.refused;
        if (r.outcome == Outcome::Win)
            wins.push_back(r.rounds);
        else if (r.outcome == Outcome::Loss)
            losses.push_back(r.rounds);
        else
            ++cut;
    }
    static const char *const levelNames[] = {"Leicht", "Mittel", "Schwer"};
    std::printf("%-8s %-7s %-16s %6ld %7.1f %9s %7zu %9s %6ld\n", playerName.c_str(), levelNames[level],
                mapName.c_str(), o.games, 100.0 * static_cast<double>(wins.size()) / static_cast<double>(o.games),
                median(wins).c_str(), losses.size(), median(losses).c_str(), cut);
    if (refused > 0)
        std::printf("  (%ld refused orders: the player named actions the rules refused)\n", refused);
    std::fflush(stdout);
}

bool parse(int argc, char **argv, Options &o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--trace" || a == "--head-to-head") {
            (a == "--trace" ? o.trace : o.headToHead) = true;
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
        std::fprintf(stderr, "usage: arena [--games N] [--map NAME] [--level 0|1|2] [--player "
                             "passive|rush|army|land|best] [--seed S] [--limit ROUNDS] [--data DIR] [--jobs N] [--trace]\n");
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
