// SPDX-License-Identifier: MIT
#include "rules/move.h"

#include "core/cells.h"
#include "core/gamestate.h"
#include "core/random.h"
#include "rules/screen.h"
#include "rules/tiers.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace gw {

namespace {

void buyLandCell(GameState &state, Side side, int32_t cell, MoveResult &r)
{
    r.cell = cell;
    const std::string current = cell >= 1 && cell <= kCells ? state.memgame.line(static_cast<std::size_t>(cell)) : "";
    const Terrain *t = freeTerrain(current);
    if (!t) {
        r.refusal = MoveRefusal::NotFreeLand;
        return;
    }
    if (state.*countersOf(side).cash < t->price) {
        r.refusal = MoveRefusal::NotEnoughGold;
        return;
    }
    r.cellState = buyLand(state, cell, side);
    r.cellTaken = true;
    r.gold = t->price;
}

void attackBase(GameState &state, Side side, int32_t cell, Random &random, Screen &screen, MoveResult &r)
{
    if (cell != 0) {
        const std::string target = cell >= 1 && cell <= kCells ? state.memgame.line(static_cast<std::size_t>(cell)) : "";
        if (target != baseState(otherSide(side))) {
            r.refusal = MoveRefusal::NotAttackable;
            return;
        }
    }
    r.battle = side == Side::Red ? playerattack(state, random, screen) : enemyattack(state, random, screen);
}

template <std::size_t N>
bool inRange(const std::array<int32_t, N> &counts)
{
    for (int32_t n : counts) {
        if (n < 0 || n > kMaxOrderCount)
            return false;
    }
    return true;
}

} // namespace

bool Move::operator==(const Move &o) const
{
    return kind == o.kind && purchase == o.purchase && training == o.training && building == o.building
           && cell == o.cell && action == o.action;
}

MoveResult applyMove(GameState &state, Side side, const Move &move, Random &random, Screen &screen)
{
    MoveResult r;
    switch (move.kind) {
    case Move::Kind::EndRound: break;
    case Move::Kind::Land: buyLandCell(state, side, move.cell, r); break;
    case Move::Kind::Purchase: {
        if (!inRange(move.purchase)) {
            r.refusal = MoveRefusal::OutOfRange;
            break;
        }
        const int32_t cash = state.*countersOf(side).cash;
        if (!(side == Side::Red ? bookPurchase(state, move.purchase) : bookPurchase(state, side, move.purchase)))
            r.refusal = MoveRefusal::NotEnoughGold;
        r.gold = cash - state.*countersOf(side).cash;
        break;
    }
    case Move::Kind::Training: {
        if (!inRange(move.training)) {
            r.refusal = MoveRefusal::OutOfRange;
            break;
        }
        const int32_t cash = state.*countersOf(side).cash;
        const TrainingResult t = side == Side::Red ? train(state, move.training) : train(state, side, move.training);
        if (t.refusal == TrainingResult::Refusal::Equipment) {
            r.refusal = MoveRefusal::Equipment;
            r.kind = t.kind;
        } else if (!t) {
            r.refusal = MoveRefusal::GoldOrRecruits;
        }
        r.gold = cash - state.*countersOf(side).cash;
        break;
    }
    case Move::Kind::Build:
        if (build(state, side, move.building))
            r.gold = buildingPrice(move.building);
        else
            r.refusal = MoveRefusal::NotEnoughGold;
        break;
    case Move::Kind::Attack: attackBase(state, side, move.cell, random, screen, r); break;
    case Move::Kind::Expand: expandInto(state, side, move.cell, random, screen, r); break;
    case Move::Kind::Tier: tierAction(state, side, move.action, r); break;
    default: r.refusal = MoveRefusal::Invalid; break;
    }
    return r;
}

// ---- Text ------------------------------------------------------------------

namespace {

const char *const kKindWords[] = {"end", "land", "purchase", "training", "build", "attack", "expand", "tier"};

// A plain decimal number without sign, as moveText writes it.
bool decimal(const std::string &word, int32_t &value)
{
    if (word.empty() || word.size() > 9 || word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = static_cast<int32_t>(std::stol(word));
    return true;
}

template <std::size_t N>
void writeCounts(std::ostringstream &out, const std::array<int32_t, N> &counts)
{
    for (int32_t n : counts)
        out << ' ' << n;
}

} // namespace

MoveResult checkMove(const GameState &state, Side side, const Move &move)
{
    GameState trial = state;
    Random random;
    SilentScreen silent;
    return applyMove(trial, side, move, random, silent);
}

std::string moveText(const Move &m)
{
    std::ostringstream out;
    out << kKindWords[static_cast<int>(m.kind)];
    switch (m.kind) {
    case Move::Kind::EndRound: break;
    case Move::Kind::Purchase: writeCounts(out, m.purchase); break;
    case Move::Kind::Training: writeCounts(out, m.training); break;
    case Move::Kind::Build: out << ' ' << static_cast<int>(m.building); break;
    case Move::Kind::Tier: out << ' ' << m.action; break;
    default: out << ' ' << m.cell; break;
    }
    return out.str();
}

std::optional<Move> parseMove(const std::string &text)
{
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string w; in >> w;)
        words.push_back(w);
    if (words.empty() || text.find_first_of("\t\r\n") != std::string::npos)
        return std::nullopt;
    int kind = -1;
    for (int k = 0; k < static_cast<int>(std::size(kKindWords)); ++k) {
        if (words[0] == kKindWords[k])
            kind = k;
    }
    // The numbers after the word, each within [lo, hi].
    std::vector<int32_t> numbers;
    auto take = [&](std::size_t count, int32_t lo, int32_t hi) {
        if (words.size() != count + 1)
            return false;
        for (std::size_t i = 1; i <= count; ++i) {
            int32_t v = 0;
            if (!decimal(words[i], v) || v < lo || v > hi)
                return false;
            numbers.push_back(v);
        }
        return true;
    };
    Move m;
    switch (kind) {
    case 0: return take(0, 0, 0) ? std::optional<Move>(Move::endRound()) : std::nullopt;
    case 1: return take(1, 1, kCells) ? std::optional<Move>(Move::land(numbers[0])) : std::nullopt;
    case 2:
        if (!take(5, 0, kMaxOrderCount))
            return std::nullopt;
        std::copy(numbers.begin(), numbers.end(), m.purchase.begin());
        return Move::order(m.purchase);
    case 3:
        if (!take(4, 0, kMaxOrderCount))
            return std::nullopt;
        std::copy(numbers.begin(), numbers.end(), m.training.begin());
        return Move::train(m.training);
    case 4: return take(1, 0, 2) ? std::optional<Move>(Move::construction(static_cast<Building>(numbers[0]))) : std::nullopt;
    case 5: return take(1, 0, kCells) ? std::optional<Move>(Move::attack(numbers[0])) : std::nullopt;
    case 6: return take(1, 0, kCells) ? std::optional<Move>(Move::expand(numbers[0])) : std::nullopt;
    case 7: return take(1, 1, 10) ? std::optional<Move>(Move::tier(numbers[0])) : std::nullopt;
    default: return std::nullopt;
    }
}

} // namespace gw
