// SPDX-License-Identifier: MIT
// The head-to-head table (arena --head-to-head): every level against every
// level, itself included, and every reference player against every level;
// in half of each pair's games the first plays Red, in the other half Blue.
// A level plays Red by choosing on the record seen from the other side
// (mirrored) and moving for Red; a reference player plays Blue the same
// way, seeing the mirrored record as it would see its own.
#include "headtohead.h"

#include "games.h"

#include "referenceplayers.h"

#include "core/gamestate.h"
#include "core/random.h"
#include "rules/enemyturn.h"
#include "rules/move.h"
#include "rules/opponent.h"
#include "rules/screen.h"
#include "rules/side.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <optional>
#include <thread>

namespace arena {

namespace {

const char *const kLevelNames[] = {"Leicht", "Mittel", "Schwer"};

// One side of a game: a level of the computer opponent or a reference player.
struct Contestant {
    std::string name;
    int level = -1;     // 0..2, or -1 for a reference player
    std::string player; // the reference player's name
};

// A contestant's moves in one game, for either side.
class Mover {
public:
    explicit Mover(const Contestant &c) : c_(c), player_(c.level < 0 ? makePlayer(c.player) : nullptr) {}
    void newGame()
    {
        if (player_)
            player_->newGame();
    }
    // Carries out the side's move; returns what it did. A reference player
    // sees the other side's last move as the last-move line tells it.
    gw::MoveResult move(gw::GameState &s, gw::Side side, gw::Random &random, gw::Screen &screen,
                        const std::optional<gw::EnemyTurnResult> &otherLast)
    {
        // Red's chair: the record as it is for Red, mirrored for Blue.
        std::optional<gw::GameState> mirror;
        if (c_.level >= 0) {
            // A level chooses as Blue, so for Red it chooses on the mirror.
            if (side == gw::Side::Red)
                mirror = gw::mirrored(s);
            last_ = gw::opponentFor(c_.level).choose(mirror ? *mirror : s, random);
            return gw::applyMove(s, side, last_, random, screen);
        }
        if (side == gw::Side::Blue)
            mirror = gw::mirrored(s);
        // A player may name a move the rules refuse; three tries, as in the arena.
        gw::MoveResult r;
        for (int attempt = 0; attempt < 3; ++attempt) {
            last_ = player_->play(sightOf(mirror ? *mirror : s, otherLast ? &*otherLast : nullptr));
            r = gw::applyMove(s, side, last_, random, screen);
            if (r)
                break;
        }
        return r;
    }

    // The move last named.
    const gw::Move &last() const { return last_; }

private:
    const Contestant &c_;
    std::unique_ptr<Player> player_;
    gw::Move last_;
};

enum class Winner { Red, Blue, None };
struct Game {
    Winner winner = Winner::None;
    int32_t rounds = 0;
    bool firstIsRed = true;
};

// The round as the window plays it: Red, Red's income, Blue (unless Red's
// attack decided the game), Blue's income and the clamps.
Game play(const gw::LoadedMap &map, Mover &red, Mover &blue, uint32_t seed, int32_t limit)
{
    gw::GameState s;
    gw::applyMap(s, map);
    gw::Random random(seed);
    gw::SilentScreen screen;
    red.newGame();
    blue.newGame();
    Game g;
    std::optional<gw::EnemyTurnResult> redLast, blueLast;
    while (s.rounds < limit && g.winner == Winner::None) {
        const gw::MoveResult r = red.move(s, gw::Side::Red, random, screen, blueLast);
        redLast = gw::turnResult(red.last(), r);
        const bool blueBeaten = r.battle && r.battle->baseDestroyed();
        gw::openSecondHalf(s, screen);
        bool redBeaten = false;
        if (!blueBeaten) {
            const gw::MoveResult b = blue.move(s, gw::Side::Blue, random, screen, redLast);
            blueLast = gw::turnResult(blue.last(), b);
            redBeaten = b.battle && b.battle->baseDestroyed();
        }
        gw::closeRound(s, screen);
        g.winner = blueBeaten ? Winner::Red : redBeaten ? Winner::Blue : Winner::None;
    }
    g.rounds = s.rounds;
    return g;
}

double percent(long part, long whole) { return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0; }

void runPair(const HeadToHeadOptions &o, const Contestant &a, const Contestant &b, const std::string &mapName,
             const gw::LoadedMap &map)
{
    std::vector<Game> games(static_cast<std::size_t>(o.games));
    std::atomic<long> next{0};
    auto work = [&] {
        Mover first(a), second(b);
        for (long i = next++; i < o.games; i = next++) {
            // Even games: the first contestant is Red; odd: Blue. Each pair
            // of games shares its seed.
            const bool firstIsRed = i % 2 == 0;
            const uint32_t seed = o.seed + static_cast<uint32_t>(i / 2);
            Game g = firstIsRed ? play(map, first, second, seed, o.limit) : play(map, second, first, seed, o.limit);
            g.firstIsRed = firstIsRed;
            games[static_cast<std::size_t>(i)] = g;
        }
    };
    std::vector<std::thread> threads;
    for (int j = 1; j < o.jobs; ++j)
        threads.emplace_back(work);
    work();
    for (std::thread &t : threads)
        t.join();

    long aRed = 0, aBlue = 0, bWins = 0, cut = 0, asRed = 0;
    std::vector<int32_t> decided;
    for (const Game &g : games) {
        asRed += g.firstIsRed ? 1 : 0;
        if (g.winner == Winner::None) {
            ++cut;
            continue;
        }
        decided.push_back(g.rounds);
        const bool firstWon = (g.winner == Winner::Red) == g.firstIsRed;
        if (firstWon)
            ++(g.firstIsRed ? aRed : aBlue);
        else
            ++bWins;
    }
    const long asBlue = o.games - asRed;
    std::printf("%-8s %-8s %-16s %6ld %7.1f %7.1f %7.1f %7.1f %6.1f %8s\n", a.name.c_str(), b.name.c_str(),
                mapName.c_str(), o.games, percent(aRed + aBlue, o.games), percent(aRed, asRed), percent(aBlue, asBlue),
                percent(bWins, o.games), percent(cut, o.games), medianText(decided).c_str());
    std::fflush(stdout);
}

} // namespace

void runHeadToHead(const HeadToHeadOptions &o)
{
    std::vector<Contestant> levels;
    for (int l : o.levels)
        levels.push_back({kLevelNames[l], l, {}});
    std::vector<std::pair<Contestant, Contestant>> pairs;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        for (std::size_t j = i; j < levels.size(); ++j)
            pairs.emplace_back(levels[i], levels[j]);
    }
    for (const std::string &p : o.players) {
        for (const Contestant &level : levels)
            pairs.emplace_back(Contestant{p, -1, p}, level);
    }
    std::printf("%-8s %-8s %-16s %6s %7s %7s %7s %7s %6s %8s\n", "first", "second", "map", "games", "first%",
                "asRed%", "asBlue%", "second%", "cut%", "med.rnds");
    for (const auto &[a, b] : pairs) {
        for (std::size_t m = 0; m < o.maps.size(); ++m)
            runPair(o, a, b, o.mapNames[m], o.maps[m]);
    }
}

} // namespace arena
