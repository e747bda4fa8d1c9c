// SPDX-License-Identifier: MIT
// The tuning harness: plays a set of strong reference players at once
// against the looking-ahead opponent ("Schwer") on every shipped map, with
// weights given on the command line, and reports every cell and the worst.
// With --search it tries the weights one at a time a step up and down and
// keeps what lowers the worst cell.
//
//   build/bench/tune [--games N] [--players a,b,...] [--set name=value]...
//                    [--search ROUNDS] [--step F] [--seed S] [--limit ROUNDS]
//                    [--data DIR] [--jobs N]
//
// --games    games per player and map (default 200)
// --players  the set (default landlord,newcomer,best,land,rebuy)
// --maps     the maps, by name, comma-separated (default all three)
// --set      one weight (names as printed); may be given again
// --search   rounds of the search: each round tries every weight a step up
//            and down (default 0: only the table)
// --step     the step as a share of the weight (default 0.25)
// --seed     the first game's seed (default 1); the same seeds for every try
// --trace    player,map: instead, one game round by round with every move
//            tried (the first seed)
//
// A cell scores its share of won games in per cent, plus twice the per cent
// of games cut off beyond 2 %, plus, where the player wins more than 10 %,
// the rounds its median win falls short of 40. The worst cell is the score.
#include "games.h"
#include "referenceplayers.h"

#include "map/mapfile.h"
#include "rules/lookahead.h"
#include "rules/opponent.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Options {
    long games = 200;
    std::vector<std::string> players = {"landlord", "newcomer", "best", "land", "rebuy"};
    std::vector<std::string> maps;
    gw::LookaheadWeights weights;
    int search = 0;
    double step = 0.25;
    uint32_t seed = 1;
    int32_t limit = 500;
    std::string data;
    int jobs = 1;
    std::string trace;
};

struct Cell {
    std::string player, map;
    arena::Tally tally;
    double score() const
    {
        const double win = 100.0 * tally.winShare();
        double s = win + 2.0 * std::max(0.0, 100.0 * tally.cutShare() - 2.0);
        if (win > 10.0)
            s += std::max(0.0, 40.0 - arena::medianOf(tally.wins));
        return s;
    }
};

struct Result {
    std::vector<Cell> cells;
    double worst = 0, mean = 0;
    double total() const { return worst + 0.1 * mean; }
};

Result play(const Options &o, const std::vector<gw::LoadedMap> &maps, const std::vector<std::string> &mapNames,
            const gw::LookaheadWeights &w)
{
    const gw::LookaheadOpponent opponent(w);
    // Every game of every cell in one queue, so both jobs stay busy.
    struct Job {
        std::size_t cell;
        long game;
    };
    std::vector<Job> jobs;
    Result r;
    for (const std::string &p : o.players) {
        for (std::size_t m = 0; m < maps.size(); ++m) {
            for (long g = 0; g < o.games; ++g)
                jobs.push_back({r.cells.size(), g});
            r.cells.push_back({p, mapNames[m], {}});
        }
    }
    std::vector<arena::GameResult> results(jobs.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        std::vector<std::unique_ptr<arena::Player>> players;
        for (const std::string &p : o.players)
            players.push_back(arena::makePlayer(p));
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            const Job &j = jobs[i];
            const std::size_t player = j.cell / maps.size();
            results[i] = arena::playGame(maps[j.cell % maps.size()], 2, *players[player],
                                         o.seed + static_cast<uint32_t>(j.game), o.limit, &opponent);
        }
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < o.jobs; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread &t : threads)
        t.join();
    for (std::size_t i = 0; i < jobs.size(); ++i)
        r.cells[jobs[i].cell].tally.add(results[i]);
    for (const Cell &c : r.cells) {
        r.worst = std::max(r.worst, c.score());
        r.mean += c.score() / static_cast<double>(r.cells.size());
    }
    return r;
}

std::string weightsText(const gw::LookaheadWeights &w)
{
    std::ostringstream out;
    gw::LookaheadWeights copy = w;
    for (std::size_t i = 0; i < gw::LookaheadWeights::kCount; ++i)
        out << (i ? " " : "") << gw::LookaheadWeights::name(i) << '=' << copy[i];
    return out.str();
}

void print(const Result &r)
{
    std::printf("%-9s %-16s %6s %7s %8s %6s %7s\n", "player", "map", "games", "wins%", "med.win", "cut%", "score");
    for (const Cell &c : r.cells)
        std::printf("%-9s %-16s %6ld %7.1f %8s %6.1f %7.1f\n", c.player.c_str(), c.map.c_str(), c.tally.games,
                    100.0 * c.tally.winShare(), arena::medianText(c.tally.wins).c_str(), 100.0 * c.tally.cutShare(),
                    c.score());
    std::printf("worst %.1f  mean %.1f\n", r.worst, r.mean);
    std::fflush(stdout);
}

bool parse(int argc, char **argv, Options &o)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i], v = argv[i + 1];
        if (a == "--games") {
            o.games = std::atol(v.c_str());
        } else if (a == "--players") {
            o.players.clear();
            std::istringstream in(v);
            for (std::string p; std::getline(in, p, ',');)
                o.players.push_back(p);
        } else if (a == "--maps") {
            std::istringstream in(v);
            for (std::string m; std::getline(in, m, ',');)
                o.maps.push_back(m);
        } else if (a == "--set") {
            const std::size_t eq = v.find('=');
            bool known = false;
            for (std::size_t k = 0; k < gw::LookaheadWeights::kCount && eq != std::string::npos; ++k) {
                if (v.compare(0, eq, gw::LookaheadWeights::name(k)) == 0) {
                    o.weights[k] = std::atof(v.c_str() + eq + 1);
                    known = true;
                }
            }
            if (!known)
                return false;
        } else if (a == "--search") {
            o.search = std::atoi(v.c_str());
        } else if (a == "--step") {
            o.step = std::atof(v.c_str());
        } else if (a == "--seed") {
            o.seed = static_cast<uint32_t>(std::strtoul(v.c_str(), nullptr, 10));
        } else if (a == "--limit") {
            o.limit = std::atoi(v.c_str());
        } else if (a == "--data") {
            o.data = v;
        } else if (a == "--trace") {
            o.trace = v;
        } else if (a == "--jobs") {
            o.jobs = std::max(1, std::atoi(v.c_str()));
        } else {
            return false;
        }
    }
    for (const std::string &p : o.players) {
        if (!arena::makePlayer(p))
            return false;
    }
    return argc % 2 == 1 && o.games > 0 && o.limit > 0;
}

} // namespace

int main(int argc, char **argv)
{
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: tune [--games N] [--players a,b,...] [--set name=value]... [--search ROUNDS] "
                             "[--step F] [--seed S] [--limit ROUNDS] [--data DIR] [--jobs N]\n");
        return 2;
    }
    try {
        if (!o.data.empty())
            std::filesystem::current_path(o.data);
        std::vector<gw::LoadedMap> maps;
        const std::vector<std::string> names = o.maps.empty() ? gw::shippedMapNames() : o.maps;
        for (const std::string &m : names)
            maps.push_back(gw::readMap(m));

        gw::LookaheadWeights best = o.weights;
        std::printf("weights %s\n", weightsText(best).c_str());
        if (!o.trace.empty()) {
            const std::size_t comma = o.trace.find(',');
            const std::string map = comma == std::string::npos ? names[0] : o.trace.substr(comma + 1);
            std::unique_ptr<arena::Player> player = arena::makePlayer(o.trace.substr(0, comma));
            const auto at = std::find(names.begin(), names.end(), map);
            if (!player || at == names.end())
                return 2;
            const gw::LookaheadOpponent opponent(best);
            arena::playGame(maps[static_cast<std::size_t>(at - names.begin())], 2, *player, o.seed, o.limit,
                            &opponent, arena::Trace::Reasons, &best);
            return 0;
        }
        Result bestResult = play(o, maps, names, best);
        print(bestResult);
        for (int round = 0; round < o.search; ++round) {
            for (std::size_t k = 0; k < gw::LookaheadWeights::kCount; ++k) {
                for (double sign : {1.0, -1.0}) {
                    gw::LookaheadWeights trial = best;
                    trial[k] *= 1.0 + sign * o.step;
                    const Result r = play(o, maps, names, trial);
                    std::printf("try %s=%g: worst %.1f mean %.1f%s\n", gw::LookaheadWeights::name(k), trial[k],
                                r.worst, r.mean, r.total() < bestResult.total() ? "  kept" : "");
                    std::fflush(stdout);
                    if (r.total() < bestResult.total()) {
                        best = trial;
                        bestResult = r;
                        break;
                    }
                }
            }
            std::printf("after round %d: weights %s\n", round + 1, weightsText(best).c_str());
            print(bestResult);
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "tune: %s\n", e.what());
        return 1;
    }
    return 0;
}
