// SPDX-License-Identifier: MIT
// The move log and its replay: seeded games of every kind, logged as the
// window logs them, come back round by round from their text; a log that
// was changed anywhere parts from the game at the round of the change.

#include "core/cells.h"
#include "core/gamestate.h"
#include "core/linelist.h"
#include "core/random.h"
#include "rules/actions.h"
#include "rules/enemyturn.h"
#include "rules/movelog.h"
#include "rules/replay.h"
#include "rules/screen.h"
#include "state_snapshot.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace gw;

namespace {

constexpr int kRedBase = 41, kBlueBase = 180;

GameState startRecord(int32_t level)
{
    GameState s;
    test::fillField(s, "None_Grass");
    s.memgame.setLine(0, "Testkarte");
    for (int n : {1, 2, 21, kRedBase})
        s.memgame.setLine(static_cast<std::size_t>(n), "Red_Base");
    for (int n : {kBlueBase, 200, 219, 220})
        s.memgame.setLine(static_cast<std::size_t>(n), "Blue_Base");
    for (int n = 60; n < 160; n += 7)
        s.memgame.setLine(static_cast<std::size_t>(n), n % 2 ? "None_Farm" : "None_SkyScraper");
    s.cash = s.enemycash = 1000;
    s.taxes = 40;
    s.enemytaxes = 60;
    s.basehp = s.enemybasehp = 100;
    s.enemylevel = level;
    s.fieldactive = 1;
    return s;
}

// A person at the screen: any move the window offers, refused ones
// included (which end no turn and are not logged), leaning to attacks so
// games end.
class Person {
public:
    explicit Person(uint32_t seed) : rng_(seed) {}
    Move next(Side side)
    {
        const int32_t base = side == Side::Red ? kBlueBase : kRedBase;
        switch (pick(9)) {
        case 0: return Move::endRound();
        case 1: return Move::land(1 + pick(kCells));
        case 2: return Move::order({pick(120), pick(4), pick(3), pick(2), pick(2)});
        case 3: return Move::train({pick(5), pick(3), pick(2), pick(2)});
        case 4: return Move::construction(static_cast<Building>(pick(3)));
        case 5: return Move::attack(pick(4) == 0 ? 1 + pick(kCells) : base);
        default: return pick(2) ? Move::attack(base) : Move::order({pick(300), 0, 0, 0, 0});
        }
    }

private:
    int32_t pick(int32_t n) { return static_cast<int32_t>(rng_() % static_cast<uint32_t>(n)); }
    std::mt19937 rng_;
};

// Everything of the record but the lines a map file has beyond the cells
// and the scratch list, which the game never reads.
test::Snapshot record(const GameState &s)
{
    test::Snapshot m = test::snapshot(s);
    for (auto it = m.begin(); it != m.end();) {
        const std::string &key = it->first;
        const bool beyond = key.rfind("memgame", 0) == 0 && std::stoi(key.substr(7)) > kCells;
        it = beyond || key.rfind("memtemp", 0) == 0 ? m.erase(it) : std::next(it);
    }
    return m;
}

struct PlayedGame {
    MoveLog log;
    std::vector<test::Snapshot> afterRound; // [0] the start
};

// One game played as the window plays it, logged as the window logs it.
PlayedGame play(Players players, int32_t level, uint32_t seed, int32_t limit = 400)
{
    PlayedGame g;
    GameState s = startRecord(level);
    Random random(seed);
    SilentScreen screen;
    Person red(seed * 3 + 1), blue(seed * 5 + 2);
    g.log.begin("Testkarte", players, random.state(), s);
    g.afterRound.push_back(record(s));
    auto turn = [&](Side side, Person &p) {
        for (int tries = 0; tries < 4; ++tries) {
            const Move m = p.next(side);
            const MoveResult r = applyMove(s, side, m, random, screen);
            if (r) {
                g.log.addMove(side, m);
                return r;
            }
        }
        g.log.addMove(side, Move::endRound());
        return applyMove(s, side, Move::endRound(), random, screen);
    };
    while (s.rounds < limit) {
        const MoveResult r = turn(Side::Red, red);
        const bool blueBeaten = r.battle && r.battle->baseDestroyed();
        bool redBeaten = false;
        if (players == Players::Computer) {
            const EnemyTurnResult t = enemyturn(s, random, screen, blueBeaten);
            if (!blueBeaten)
                g.log.addMove(Side::Blue, t.move);
            redBeaten = t.battle && t.battle->baseDestroyed();
        } else {
            openSecondHalf(s, screen);
            if (!blueBeaten) {
                const MoveResult b = turn(Side::Blue, blue);
                redBeaten = b.battle && b.battle->baseDestroyed();
            }
            closeRound(s, screen);
        }
        g.log.closeRound(s);
        g.afterRound.push_back(record(s));
        if (blueBeaten || redBeaten) {
            g.log.finish(blueBeaten ? Side::Red : Side::Blue);
            break;
        }
    }
    return g;
}

Replay replayOf(const std::vector<std::string> &lines)
{
    const LogReadResult read = readMoveLog(joinLines(lines));
    EXPECT_TRUE(read.playable()) << read.line << ": " << read.text;
    return Replay(read);
}

// Plays a log back; returns the step that ended it.
ReplayStep replayed(const std::vector<std::string> &lines)
{
    Replay replay = replayOf(lines);
    SilentScreen screen;
    return replay.playToEnd(screen);
}

std::size_t lineOf(const std::vector<std::string> &lines, const std::string &start)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind(start, 0) == 0)
            return i;
    }
    ADD_FAILURE() << "no line " << start;
    return 0;
}

} // namespace

TEST(Replay, ASeededGameComesBackFromItsLogRoundByRound)
{
    for (Players players : {Players::Computer, Players::SameScreen}) {
        for (int32_t level : {0, 1, 2}) {
            for (uint32_t seed : {7u, 1234u}) {
                SCOPED_TRACE(testing::Message() << "players " << static_cast<int>(players) << " level " << level
                                                << " seed " << seed);
                const PlayedGame g = play(players, level, seed);
                ASSERT_TRUE(g.log.winner) << "the game should be decided";
                const std::string text = moveLogText(g.log);
                const LogReadResult read = readMoveLog(text);
                ASSERT_EQ(read.fault, LogFault::None) << read.line << ": " << read.text;
                EXPECT_EQ(moveLogText(read.log), text) << "read back, it writes the same text";

                Replay replay(read);
                SilentScreen screen;
                EXPECT_EQ(record(replay.state()), g.afterRound[0]);
                ReplayStep step;
                for (std::size_t round = 1; round < g.afterRound.size(); ++round) {
                    step = replay.step(screen);
                    ASSERT_NE(step.outcome, ReplayStep::Outcome::Parted)
                        << "round " << step.round << ": " << static_cast<int>(step.parting) << " " << step.detail;
                    ASSERT_EQ(step.round, static_cast<int32_t>(round));
                    ASSERT_EQ(record(replay.state()), g.afterRound[round]) << "round " << round;
                }
                EXPECT_EQ(step.outcome, ReplayStep::Outcome::Finished) << "the log's end is the game's";
                EXPECT_TRUE(replay.over());
            }
        }
    }
}

TEST(Replay, AChangedLogPartsAtTheRoundOfTheChange)
{
    const PlayedGame computer = play(Players::Computer, 2, 99);
    const PlayedGame people = play(Players::SameScreen, 0, 4321);
    ASSERT_GT(computer.log.rounds.size(), 12u);
    ASSERT_GT(people.log.rounds.size(), 12u);
    const std::vector<std::string> c = moveLogLines(computer.log), p = moveLogLines(people.log);

    // A player's move exchanged for another the rules allow shows only in
    // the record, and at once: a purchase that cost gold becomes the end of
    // the round.
    auto purchaseRound = [](const MoveLog &log, Side side) {
        for (const LoggedRound &r : log.rounds) {
            const std::optional<Move> &m = side == Side::Red ? r.red : r.blue;
            if (r.number >= 5 && m && m->kind == Move::Kind::Purchase && purchaseTotal(m->purchase) > 0)
                return r.number;
        }
        ADD_FAILURE() << "no purchase";
        return int32_t{0};
    };
    const int32_t redBuys = purchaseRound(people.log, Side::Red);
    const int32_t blueBuys = purchaseRound(people.log, Side::Blue);
    struct Change {
        const char *what;
        const std::vector<std::string> *log;
        std::string line;        // the start of the line changed
        std::string replacement; // empty: the line goes
        ReplayParting parting;
        int32_t round;
    };
    const Change changes[] = {
        {"another move of Red", &p, std::to_string(redBuys) + " red ", std::to_string(redBuys) + " red end",
         ReplayParting::HashDiffers, redBuys},
        {"another move of Blue at the screen", &p, std::to_string(blueBuys) + " blue ",
         std::to_string(blueBuys) + " blue end", ReplayParting::HashDiffers, blueBuys},
        // Schwer buys by the shop and never names this move; it would also
        // answer another move of Red with another choice of its own.
        {"another choice of the computer", &c, "5 blue ", "5 blue tier 3", ReplayParting::ChoiceDiffers, 5},
        {"a move the rules refuse", &p, "7 red ", "7 red land 1", ReplayParting::Refused, 7},
        {"a hash changed", &c, "3 hash ", "3 hash 0123456789ABCDEF", ReplayParting::HashDiffers, 3},
        {"Blue's move gone", &p, "4 blue ", "", ReplayParting::MoveMissing, 4},
        {"a line that is no move", &c, "8 blue ", "8 blue fly 3", ReplayParting::Unreadable, 8},
        {"a round's lines out of order", &p, "6 red ", "6 hash 0000000000000000", ReplayParting::Unreadable, 6},
    };
    for (const Change &ch : changes) {
        SCOPED_TRACE(ch.what);
        std::vector<std::string> lines = *ch.log;
        const std::size_t at = lineOf(lines, ch.line);
        if (ch.replacement.empty())
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
        else
            lines[at] = ch.replacement;
        const ReplayStep step = replayed(lines);
        EXPECT_EQ(step.outcome, ReplayStep::Outcome::Parted);
        EXPECT_EQ(step.parting, ch.parting) << step.detail;
        EXPECT_EQ(step.round, ch.round);
    }

    // Cut off after round 10: the replay plays ten rounds and parts at the
    // eleventh, whether the text ends between lines or in one.
    std::vector<std::string> cut(c.begin(), c.begin() + static_cast<std::ptrdiff_t>(lineOf(c, "11 red ")));
    EXPECT_EQ(replayed(cut).round, 11);
    EXPECT_EQ(replayed(cut).parting, ReplayParting::Unreadable);
    cut.push_back("11 red purch");
    EXPECT_EQ(replayed(cut).round, 11);
    // Cut off and mended with an "end": a game that was never decided.
    cut.back() = "end";
    EXPECT_EQ(replayed(cut).parting, ReplayParting::CutOff);
    EXPECT_EQ(replayed(cut).round, 11);
    // The result of another winner.
    std::vector<std::string> other = c;
    std::string &result = other[lineOf(other, "result ")];
    result = result.find("red") != std::string::npos ? "result blue" + result.substr(10)
                                                     : "result red" + result.substr(11);
    EXPECT_EQ(replayed(other).parting, ReplayParting::ResultDiffers);
    EXPECT_EQ(replayed(other).round, computer.log.rounds.back().number);
}

TEST(MoveLogText, EveryDamageToTheStartIsNamedWithItsLine)
{
    const std::vector<std::string> good = moveLogLines(play(Players::Computer, 1, 5, 6).log);
    struct Damage {
        const char *what;
        std::function<void(std::vector<std::string> &)> apply;
        LogFault fault;
        int line;
    };
    const Damage rows[] = {
        {"empty", [](auto &l) { l.clear(); }, LogFault::NotALog, 1},
        {"a saved game", [](auto &l) { l[0] = "grimsward-save 1"; }, LogFault::NotALog, 1},
        {"another version", [](auto &l) { l[0] = "grimsward-replay 2"; }, LogFault::WrongVersion, 1},
        {"no map's name", [](auto &l) { l[1] = "map "; }, LogFault::BadEntry, 2},
        {"three players", [](auto &l) { l[2] = "players 3"; }, LogFault::BadEntry, 3},
        {"a seed of seven digits", [](auto &l) { l[3] = "seed 0x1234567"; }, LogFault::BadEntry, 4},
        {"a level beyond Schwer", [](auto &l) { l[4] = "level 3"; }, LogFault::BadEntry, 5},
        {"a counter of one side only", [](auto &l) { l[6] = "cash 1000"; }, LogFault::BadEntry, 7},
        {"a counter's name changed", [](auto &l) { l[7] = "gold 40 60"; }, LogFault::BadEntry, 8},
        {"a number too large", [](auto &l) { l[8] = "recruits 2147483648 0"; }, LogFault::BadEntry, 9},
        {"a control character", [](auto &l) { l[9] = "mgs 0\t0"; }, LogFault::Binary, 10},
        {"a NUL byte in a cell", [](auto &l) { l[30] = std::string("None_G\0rass", 11); }, LogFault::Binary, 31},
        {"cut off in the cells", [](auto &l) { l.resize(100); }, LogFault::CutOff, 101},
        {"a cell more", [](auto &l) { l.insert(l.begin() + 30, "None_Grass"); }, LogFault::BadEntry, 243},
        {"text after the end", [](auto &l) { l.push_back("x"); }, LogFault::ExtraText, 0},
    };
    for (const Damage &d : rows) {
        SCOPED_TRACE(d.what);
        std::vector<std::string> lines = good;
        d.apply(lines);
        const LogReadResult r = readMoveLog(joinLines(lines));
        EXPECT_EQ(r.fault, d.fault) << r.line << ": " << r.text;
        if (d.line > 0) {
            EXPECT_EQ(r.line, d.line);
            EXPECT_FALSE(r.playable()) << "nothing of a log with a broken start plays";
        }
    }
    // Empty lines after the end are harmless; a log of a game still being
    // played may end in the middle of a round.
    std::vector<std::string> trailing = good;
    trailing.insert(trailing.end(), {"", ""});
    EXPECT_EQ(readMoveLog(joinLines(trailing)).fault, LogFault::None);
    MoveLog open = play(Players::SameScreen, 0, 5, 6).log;
    open.winner.reset();
    open.addMove(Side::Red, Move::order({1, 2, 3, 4, 5}));
    const LogReadResult read = readMoveLog(moveLogText(open));
    ASSERT_EQ(read.fault, LogFault::None) << read.line << ": " << read.text;
    EXPECT_EQ(read.log.rounds.back().red, Move::order({1, 2, 3, 4, 5}));
    EXPECT_FALSE(read.log.rounds.back().hash);
}
