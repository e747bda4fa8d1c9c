// SPDX-License-Identifier: MIT
#include "rules/lookahead.h"

#include "core/cells.h"
#include "core/gamestate.h"
#include "core/saturate.h"
#include "rules/actions.h"
#include "rules/battle.h"
#include "rules/forecast.h"
#include "rules/lookaheadvalue.h"
#include "rules/side.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace gw {

namespace {

// Gold a purchase of recruits can spend in one order.
constexpr int32_t kRecruitOrderGold = 10 * kMaxOrderCount;
// A defence holds when the attack is expected to deal at most this.
constexpr double kHoldDamage = 0.5;

using ahead::armed;
using ahead::defendersOf;
using ahead::forcesOf;
using ahead::positive;
using ahead::recruitsFor;
using ahead::training;

struct Cell {
    int32_t number, price, tax;
};

// A position of the search: the record's counters (without the field) and
// the cells taken since the search began.
struct Node {
    GameState s;
    std::array<int32_t, 2> taken{};
    std::array<double, 2> fallen{}; // by side: the chance its base fell in a forecast attack
    double nearness = 1.0;          // how much a fall found from here counts: less the later it comes
};

class Lookahead {
public:
    Lookahead(const GameState &state, const LookaheadWeights &w) : w_(w)
    {
        for (int n = 1; n <= kCells; ++n) {
            if (const Terrain *t = freeTerrain(state.memgame.line(static_cast<std::size_t>(n))))
                free_.push_back({n, t->price, t->tax});
        }
        std::stable_sort(free_.begin(), free_.end(), [](const Cell &a, const Cell &b) { return a.tax > b.tax; });
        root_.s = state;
        root_.s.memgame = LineList();
        root_.s.memtemp = LineList();
    }

    // Each move of Blue against each reply of the player, Blue's best next
    // move after it, and the position then judged with the player to move.
    std::vector<LookaheadTrial> trials() const
    {
        std::vector<LookaheadTrial> out;
        for (const Move &m : candidates(root_)) {
            Node after = root_;
            if (!play(after, Side::Blue, m))
                continue;
            closeHalf(after, Side::Blue);
            LookaheadTrial t{m, Move::endRound(), std::numeric_limits<double>::infinity()};
            double sum = 0;
            int count = 0;
            for (const Move &r : replies(after)) {
                Node replied = after;
                play(replied, Side::Red, r);
                closeHalf(replied, Side::Red);
                double best = -std::numeric_limits<double>::infinity();
                for (const Move &next : followUps(replied)) {
                    Node leaf = replied;
                    // A win a move later is worth a little less than one now.
                    leaf.nearness = 0.9;
                    if (!play(leaf, Side::Blue, next))
                        continue;
                    closeHalf(leaf, Side::Blue);
                    best = std::max(best, value(leaf));
                }
                sum += best;
                ++count;
                if (best < t.value) {
                    t.value = best;
                    t.reply = r;
                }
            }
            // The worst reply, blended with the average one: the player
            // does not always find its best.
            if (count > 0)
                t.value = w_.caution * t.value + (1 - w_.caution) * sum / count;
            out.push_back(t);
        }
        return out;
    }

private:
    // ---- The rules on a copy ---------------------------------------------

    const Cell *bestCell(const Node &n, int32_t gold) const
    {
        for (const Cell &c : free_) {
            if (c.number != n.taken[0] && c.number != n.taken[1] && c.price <= gold)
                return &c;
        }
        return nullptr;
    }

    // Carries out the move of `side`; false when the rules refuse it. An
    // attack is forecast: every force and defender keeps its expected
    // count and the base loses the expected damage.
    bool play(Node &n, Side side, const Move &m) const
    {
        GameState &s = n.s;
        const SideCounters &c = countersOf(side);
        switch (m.kind) {
        case Move::Kind::EndRound: return true;
        case Move::Kind::Land:
        case Move::Kind::Expand: {
            const auto cell = std::find_if(free_.begin(), free_.end(), [&](const Cell &x) { return x.number == m.cell; });
            if (cell == free_.end() || n.taken[0] == m.cell || n.taken[1] == m.cell || s.*c.cash < cell->price)
                return false;
            if (m.kind == Move::Kind::Land)
                subFrom(s.*c.cash, cell->price);
            addTo(s.*c.taxes, cell->tax);
            n.taken[n.taken[0] == 0 ? 0 : 1] = m.cell;
            return true;
        }
        case Move::Kind::Purchase: return bookPurchase(s, side, m.purchase);
        case Move::Kind::Training: return static_cast<bool>(train(s, side, m.training));
        case Move::Kind::Build: return build(s, side, m.building);
        case Move::Kind::Attack: forecastAttack(n, side); return true;
        default: return false;
        }
    }

    static void forecastAttack(Node &n, Side side)
    {
        GameState &s = n.s;
        const Side other = otherSide(side);
        const BattleForecast f = forecastBattle(forcesOf(s, side), defendersOf(s, other));
        const SideCounters &a = countersOf(side);
        const SideCounters &d = countersOf(other);
        const SideCounters::Counter forces[] = {a.recruits, a.infantry, a.snipers, a.mortarcrews, a.specialunits};
        const SideCounters::Counter defenders[] = {d.recruits, d.infantry,    d.snipers, d.mortarcrews,
                                                   d.specialunits, d.towers, d.bunkers, d.minefields};
        auto keep = [](int32_t &counter, double left) {
            counter = std::min(counter, saturate(static_cast<int64_t>(std::llround(std::max(0.0, left)))));
        };
        n.fallen[static_cast<std::size_t>(other)] =
            std::max(n.fallen[static_cast<std::size_t>(other)], n.nearness * f.chanceOfAtLeast(s.*d.basehp));
        for (std::size_t i = 0; i < 5; ++i)
            keep(s.*forces[i], f.attackersLeft[i]);
        for (std::size_t i = 0; i < 8; ++i)
            keep(s.*defenders[i], f.defendersLeft[i]);
        subFrom(s.*d.basehp, std::llround(f.damage));
    }

    // The end of a side's half of the round: Blue's income after Blue's
    // move; the next round and Red's income after Red's.
    static void closeHalf(Node &n, Side side)
    {
        GameState &s = n.s;
        if (side == Side::Blue) {
            addTo(s.enemycash, s.enemytaxes);
        } else {
            addTo(s.rounds, 1);
            addTo(s.cash, s.taxes);
        }
    }

    // ---- Amounts ---------------------------------------------------------

    // The fewest recruits (up to `most`) that, added to the defence, hold
    // these forces; `most` when none do.
    static int32_t recruitsToHold(const Forces &attackers, Defenders defence, int32_t hp, int32_t most)
    {
        const int32_t have = defence[0];
        auto holds = [&](int32_t extra) {
            defence[0] = satAdd(have, extra);
            const BattleForecast f = forecastBattle(attackers, defence);
            return f.damage <= kHoldDamage && f.chanceOfAtLeast(hp) <= 0.002;
        };
        if (most <= 0 || holds(0))
            return 0;
        if (!holds(most))
            return most;
        int32_t lo = 1, hi = most;
        while (lo < hi) {
            const int32_t mid = lo + (hi - lo) / 2;
            if (holds(mid))
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    }

    // The fewest recruits (up to `most`) that let these forces clear the
    // defence with the chance asked for; -1 when none do.
    int32_t recruitsToClear(Forces forces, const Defenders &defence, int32_t most) const
    {
        const int32_t have = positive(forces[0]);
        auto clears = [&](int32_t extra) {
            forces[0] = satAdd(have, extra);
            return forecastBattle(forces, defence).clearChance() >= w_.strikeClear;
        };
        if (most < 0 || !clears(most))
            return -1;
        int32_t lo = 0, hi = most;
        while (lo < hi) {
            const int32_t mid = lo + (hi - lo) / 2;
            if (clears(mid))
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    }

    // One piece of equipment for every trained kind the side lacks.
    static PurchaseOrder missingKits(const GameState &s, Side side)
    {
        const SideCounters &c = countersOf(side);
        PurchaseOrder p{};
        for (int k = 0; k < 4; ++k) {
            if (s.*c.units(k) <= 0 && s.*c.equipment(k) <= 0)
                p[static_cast<std::size_t>(k + 1)] = 1;
        }
        return p;
    }

    // ---- The moves tried -------------------------------------------------

    std::vector<Move> candidates(const Node &n) const
    {
        const GameState &s = n.s;
        std::vector<Move> out = {Move::endRound()};
        auto add = [&out](const Move &m) {
            if (std::find(out.begin(), out.end(), m) == out.end())
                out.push_back(m);
        };
        auto order = [&](PurchaseOrder p) {
            // With the kits when the gold reaches them, else the recruits alone.
            if (purchaseTotal(p) > s.enemycash) {
                p = {p[0], 0, 0, 0, 0};
            }
            if (purchaseTotal(p) > 0 && purchaseTotal(p) <= s.enemycash)
                add(Move::order(p));
        };
        if (const Cell *c = bestCell(n, s.enemycash))
            add(Move::expand(c->number));
        if (armed(s, Side::Blue))
            add(Move::attack());

        const int32_t most = recruitsFor(s.enemycash);
        const PurchaseOrder kits = missingKits(s, Side::Blue);
        // The defence against the player's forces as they stand, alone and
        // with the missing kits.
        if (const int32_t hold = recruitsToHold(forcesOf(s, Side::Red), defendersOf(s, Side::Blue), s.enemybasehp, most)) {
            add(Move::order({hold, 0, 0, 0, 0}));
            PurchaseOrder p = kits;
            p[0] = hold;
            order(p);
        }
        // A strike that clears the player's defence after its largest answer.
        Defenders answered = defendersOf(s, Side::Red);
        answered[0] = satAdd(positive(answered[0]), recruitsFor(s.cash));
        const int32_t strikeMost = recruitsFor(s.enemycash - static_cast<int32_t>(purchaseTotal(kits)));
        const int32_t strike = recruitsToClear(forcesOf(s, Side::Blue), answered, strikeMost);
        if (strike >= 0) {
            PurchaseOrder p = kits;
            p[0] = strike;
            order(p);
        }
        // All the gold in recruits, with the missing kits.
        if (most > 0) {
            add(Move::order({most, 0, 0, 0, 0}));
            PurchaseOrder p = kits;
            p[0] = strikeMost;
            order(p);
        }
        // Gold beyond one order of recruits: equipment, the cheapest kind first.
        if (s.enemycash > kRecruitOrderGold + 2 * kPurchasePrices[1]) {
            PurchaseOrder p = {kMaxOrderCount, 0, 0, 0, 0};
            int64_t left = s.enemycash - int64_t{kRecruitOrderGold};
            for (std::size_t k = 1; k < 5 && left > 0; ++k) {
                // The equipment and the fee of its training.
                const int64_t each = kPurchasePrices[k] + kTrainingFees[k - 1];
                p[k] = static_cast<int32_t>(std::min<int64_t>(kMaxOrderCount, left / each));
                left -= int64_t{p[k]} * each;
            }
            order(p);
        }
        for (bool missingOnly : {true, false}) {
            const TrainingOrder t = training(s, Side::Blue, missingOnly, 1);
            if (trainingTotal(t) > 0)
                add(Move::train(t));
        }
        // A building, when the player's forces are there to be held.
        if (armed(s, Side::Red)) {
            for (Building b : {Building::Tower, Building::Bunker, Building::Minefield}) {
                if (s.enemycash >= buildingPrice(b))
                    add(Move::construction(b));
            }
        }
        return out;
    }

    std::vector<Move> replies(const Node &n) const
    {
        const GameState &s = n.s;
        std::vector<Move> out;
        if (const Cell *c = bestCell(n, s.cash))
            out.push_back(Move::land(c->number));
        else
            out.push_back(Move::endRound());
        if (armed(s, Side::Red))
            out.push_back(Move::attack());
        if (const int32_t most = recruitsFor(s.cash)) {
            out.push_back(Move::order({most, 0, 0, 0, 0}));
            // The recruits with the kits of the kinds it lacks.
            PurchaseOrder p = missingKits(s, Side::Red);
            if (purchaseTotal(p) > 0) {
                p[0] = recruitsFor(s.cash - static_cast<int32_t>(purchaseTotal(p)));
                if (purchaseTotal(p) <= s.cash)
                    out.push_back(Move::order(p));
            }
        }
        const TrainingOrder t = training(s, Side::Red, false, 0);
        if (trainingTotal(t) > 0)
            out.push_back(Move::train(t));
        return out;
    }

    // Blue's moves after the player's reply: nothing, its attack, its best
    // land, the defence that holds the player's forces, all its gold in
    // recruits.
    std::vector<Move> followUps(const Node &n) const
    {
        const GameState &s = n.s;
        std::vector<Move> out = {Move::endRound()};
        if (armed(s, Side::Blue))
            out.push_back(Move::attack());
        if (const Cell *c = bestCell(n, s.enemycash))
            out.push_back(Move::expand(c->number));
        const int32_t most = recruitsFor(s.enemycash);
        if (most > 0) {
            const int32_t hold =
                recruitsToHold(forcesOf(s, Side::Red), defendersOf(s, Side::Blue), s.enemybasehp, most);
            if (hold > 0 && hold < most)
                out.push_back(Move::order({hold, 0, 0, 0, 0}));
            out.push_back(Move::order({most, 0, 0, 0, 0}));
        }
        return out;
    }

    double value(const Node &n) const { return ahead::positionValue(n.s, n.fallen, w_); }

    const LookaheadWeights &w_;
    std::vector<Cell> free_;
    Node root_;
};

} // namespace

Move lookaheadMove(const GameState &state, const LookaheadWeights &weights)
{
    Move chosen = Move::endRound();
    double best = -std::numeric_limits<double>::infinity();
    for (const LookaheadTrial &t : lookaheadTrials(state, weights)) {
        if (t.value > best + 1e-6) {
            best = t.value;
            chosen = t.move;
        }
    }
    return chosen;
}

std::vector<LookaheadTrial> lookaheadTrials(const GameState &state, const LookaheadWeights &weights)
{
    return Lookahead(state, weights).trials();
}

} // namespace gw
