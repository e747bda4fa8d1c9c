// SPDX-License-Identifier: MIT
#include "rules/planner.h"

#include "core/cells.h"
#include "core/gamestate.h"
#include "core/random.h"
#include "core/saturate.h"
#include "rules/actions.h"
#include "rules/forecast.h"
#include "rules/screen.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace gw {

namespace {

// The planner's judgement.
constexpr double kFinishChance = 0.5;  // attack when the player's base falls with this chance
constexpr double kDangerDamage = 1.0;  // defend when the player's army is expected to deal this
constexpr double kSafeDamage = 0.25;   // a defence is enough when it leaves at most this
constexpr double kStrikeChance = 0.7;  // attack when the player's defence falls with this chance
constexpr double kLossWeight = 100.0;  // a lost base against one point of damage
constexpr double kGoldPerPoint = 2000; // gold a defence may cost per point of damage it saves
constexpr double kReserveSlack = 0.5;  // exposure a purchase may add to what waiting leaves
constexpr int32_t kKindTarget = 1;     // units of each trained kind the army fields
constexpr int32_t kProbe = 20;         // recruits against a player without any defence

int fightingStages(const Forces &f)
{
    int n = 0;
    for (int32_t x : f)
        n += x > 0 ? 1 : 0;
    return n;
}

int32_t roundedCount(double x) { return saturate(static_cast<int64_t>(std::llround(x))); }

class Planner {
public:
    Planner(const GameState &state, EnemyRules rules) : base_(state), rules_(rules)
    {
        // The moves are tried on copies of the counters; only the expansion
        // reads the field, and that once, here.
        cell_ = bestFreeCell(state);
        if (cell_ != 0)
            cellTax_ = freeTerrain(state.memgame.line(static_cast<std::size_t>(cell_)))->tax;
        base_.memgame = LineList();
        base_.memtemp = LineList();
        idleExposure_ = exposure(base_);
    }

    EnemyMove decide() const
    {
        const BattleForecast attack = forecastBattle(opponentForces(base_), playerDefenders(base_));
        const BattleForecast threat = forecastBattle(playerForces(base_), opponentDefenders(base_));
        if (attack.chanceOfAtLeast(base_.basehp) >= kFinishChance)
            return attackMove();
        const bool open = attack.clearChance() >= kStrikeChance;
        if (threat.damage >= kDangerDamage || threat.chanceOfAtLeast(base_.enemybasehp) > 0.01) {
            // An attack that gets through also takes the player's army.
            if (open)
                return attackMove();
            EnemyMove m;
            if (defend(threat, m))
                return m;
        }
        if (open) {
            // A player without any defence, or a window its gold cannot
            // close, leaves time to field another trained kind first.
            EnemyMove step;
            if ((playerDefenceless() || windowHolds()) && kindPaysOff(step) && keepsReserve(step))
                return step;
            return attackMove();
        }
        return grow();
    }

private:
    // ---- Trying moves --------------------------------------------------

    struct Trial {
        GameState after;
        bool acted = false;
        int32_t spent = 0;
    };

    // The record after the move. An attack is forecast, not fought: every
    // force and defender keeps its expected count.
    Trial trial(const EnemyMove &m) const
    {
        Trial t{base_};
        GameState &s = t.after;
        if (m.action == 11) {
            const BattleForecast f = forecastBattle(opponentForces(s), playerDefenders(s));
            int32_t *ours[] = {&s.enemyrecruits, &s.enemyinfantry, &s.enemysnipers, &s.enemymortarcrews,
                               &s.enemyspecialunits};
            int32_t *theirs[] = {&s.recruits, &s.infantry, &s.snipers, &s.mortarcrews,
                                 &s.specialunits, &s.towers, &s.bunkers, &s.minefields};
            for (std::size_t i = 0; i < 5; ++i)
                *ours[i] = std::min(*ours[i], roundedCount(f.attackersLeft[i]));
            for (std::size_t i = 0; i < 8; ++i)
                *theirs[i] = std::min(*theirs[i], roundedCount(f.defendersLeft[i]));
            subFrom(s.basehp, roundedCount(f.damage));
            t.acted = fightingStages(opponentForces(base_)) > 0;
            return t;
        }
        if (m.action == 12) {
            t.acted = m.cell != 0;
            if (t.acted)
                addTo(s.enemytaxes, cellTax_);
            return t;
        }
        Random unused(0);
        SilentScreen screen;
        const EnemyTurnResult r = enemymove(s, unused, screen, m, rules_);
        t.acted = r.tier != 0;
        t.spent = r.gold;
        return t;
    }

    static EnemyMove attackMove() { return {11, 0, 0}; }
    EnemyMove expandMove() const { return {12, 0, cell_}; }
    // Kinds: 0 recruits, 1..4 the equipment; by the shop n of them.
    static EnemyMove buyMove(int kind, int32_t n) { return {1 + kind, n, 0}; }
    // Kinds 0..3: infantry, snipers, mortar crews, special units.
    static EnemyMove trainMove(int kind, int32_t n) { return {6 + kind, n, 0}; }

    bool shop() const { return rules_ == EnemyRules::Shop; }
    int32_t gold() const { return std::max<int32_t>(0, base_.enemycash); }
    int32_t affordable(int32_t price) const { return std::min<int32_t>(kEnemyMaxCount, gold() / price); }

    int32_t equipment(int kind) const
    {
        switch (kind) {
        case 0: return base_.enemymgs;
        case 1: return base_.enemyrifles;
        case 2: return base_.enemymortars;
        default: return base_.enemyspecpacks;
        }
    }
    int32_t units(int kind) const { return opponentForces(base_)[static_cast<std::size_t>(kind + 1)]; }

    // ---- Defence -------------------------------------------------------

    static double danger(const BattleForecast &f, int32_t hp)
    {
        return f.damage + kLossWeight * f.chanceOfAtLeast(hp);
    }
    static double danger(const GameState &s)
    {
        return danger(forecastBattle(playerForces(s), opponentDefenders(s)), s.enemybasehp);
    }

    // The fewest recruits (by the shop) that bring the danger down to
    // kSafeDamage, or all the gold buys when none do.
    int32_t recruitsToHold() const
    {
        const int32_t most = affordable(kPurchasePrices[0]);
        if (most < 1)
            return 0;
        int32_t lo = 1, hi = most;
        while (lo < hi) {
            const int32_t mid = lo + (hi - lo) / 2;
            if (danger(trial(buyMove(0, mid)).after) <= kSafeDamage)
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    }

    // The move that leaves the player's army the least to gain, counting the
    // gold it costs; false when none improves on doing nothing.
    bool defend(const BattleForecast &threat, EnemyMove &chosen) const
    {
        std::vector<EnemyMove> candidates = {attackMove(), {10, 0, 0}};
        if (shop()) {
            if (const int32_t n = recruitsToHold())
                candidates.push_back(buyMove(0, n));
            for (int k = 0; k < 4; ++k) {
                const int32_t n = std::min({affordable(kTrainingFees[static_cast<std::size_t>(k)]),
                                            std::max<int32_t>(0, base_.enemyrecruits),
                                            std::max<int32_t>(0, equipment(k))});
                if (n > 0)
                    candidates.push_back(trainMove(k, n));
            }
        } else {
            candidates.push_back(buyMove(0, 0));
            for (int k = 0; k < 4; ++k)
                candidates.push_back(trainMove(k, 0));
        }
        double best = danger(threat, base_.enemybasehp);
        bool found = false;
        for (const EnemyMove &m : candidates) {
            const Trial t = trial(m);
            if (!t.acted)
                continue;
            double score = danger(t.after) + t.spent / kGoldPerPoint;
            if (m.action == 11)
                score -= base_.basehp - t.after.basehp;
            if (score < best - 0.1) {
                best = score;
                chosen = m;
                found = true;
            }
        }
        return found;
    }

    // ---- The player's next purchase -------------------------------------

    // The recruits one purchase of the opponent adds with this much gold.
    int32_t recruitsFor(int32_t cash) const
    {
        if (shop())
            return std::min<int32_t>(kEnemyMaxCount, std::max<int32_t>(0, cash) / kPurchasePrices[0]);
        GameState s = base_;
        s.enemycash = cash;
        s.enemyrecruits = 0;
        Random unused(0);
        SilentScreen screen;
        enemymove(s, unused, screen, buyMove(0, 0), rules_);
        return s.enemyrecruits;
    }

    // The recruits the player's gold buys in one order.
    static int32_t playerJump(const GameState &s)
    {
        return std::min<int32_t>(kMaxOrderCount, std::max<int32_t>(0, s.cash) / kPurchasePrices[0]);
    }

    // The danger, after this move and its income, of the player buying all
    // the recruits its gold reaches in its next turn, with the opponent's
    // answer to that purchase already in place.
    double exposure(const GameState &after) const
    {
        Forces f = playerForces(after);
        f[0] = satAdd(std::max<int32_t>(0, f[0]), playerJump(after));
        Defenders d = opponentDefenders(after);
        d[0] = satAdd(std::max<int32_t>(0, d[0]), recruitsFor(satAdd(after.enemycash, after.enemytaxes)));
        return danger(forecastBattle(f, d), after.enemybasehp);
    }

    // Whether a purchase keeps gold enough to answer the player: it leaves
    // the opponent no more exposed than waiting would (or safe anyway).
    bool keepsReserve(const EnemyMove &m) const
    {
        return exposure(trial(m).after) <= std::max(kSafeDamage, idleExposure_ + kReserveSlack);
    }

    // Whether the opponent's attack would still get through after the
    // player spent all its gold on recruits.
    bool windowHolds() const
    {
        Defenders theirs = playerDefenders(base_);
        theirs[0] = satAdd(std::max<int32_t>(0, theirs[0]), playerJump(base_));
        return forecastBattle(opponentForces(base_), theirs).clearChance() >= kStrikeChance;
    }

    bool playerDefenceless() const
    {
        return fightingStages(playerForces(base_)) == 0 && base_.towers <= 0 && base_.bunkers <= 0
               && base_.minefields <= 0;
    }

    // ---- Growth --------------------------------------------------------

    // The steps still needed to field a trained kind k (0..3), and the
    // first of them; 0 when the gold does not reach it.
    int kindSteps(int k, EnemyMove &first) const
    {
        const EnemyMove train = trainMove(k, shop() ? kKindTarget : 0);
        const Trial trained = trial(train);
        // Training must leave recruits for the first stage.
        if (trained.acted && trained.after.enemyrecruits > 0) {
            first = train;
            return 1;
        }
        if (equipment(k) < kKindTarget) {
            first = buyMove(k + 1, kKindTarget - std::max<int32_t>(0, equipment(k)));
            return trial(first).acted ? 2 : 0;
        }
        first = buyMove(0, kKindTarget + 1);
        return trial(first).acted ? 2 : 0;
    }

    // The first step towards the nearest missing trained kind, when fielding
    // it and then attacking takes no more rounds than attacking at once.
    bool kindPaysOff(EnemyMove &step) const
    {
        const int stages = fightingStages(opponentForces(base_));
        if (stages == 0 || stages == 5)
            return false;
        int best = 0;
        for (int k = 0; k < 4; ++k) {
            if (units(k) > 0)
                continue;
            EnemyMove first;
            const int steps = kindSteps(k, first);
            if (steps > 0 && (best == 0 || steps < best)) {
                best = steps;
                step = first;
            }
        }
        if (best == 0)
            return false;
        const double hp = std::max<int32_t>(1, base_.basehp);
        const double now = std::ceil(hp / (kStageDamage * stages));
        const double then = std::ceil(hp / (kStageDamage * (stages + 1))) + best;
        return then <= now;
    }

    EnemyMove grow() const
    {
        // A player without any defence is worth a few recruits.
        if (playerDefenceless() && fightingStages(opponentForces(base_)) == 0) {
            const EnemyMove probe = buyMove(0, std::min(kProbe, affordable(kPurchasePrices[0])));
            if (trial(probe).acted)
                return probe;
        }
        EnemyMove step;
        if (kindPaysOff(step) && keepsReserve(step))
            return step;
        if (cell_ != 0)
            return expandMove();
        // No land left: the gold goes into recruits.
        const EnemyMove recruits = buyMove(0, affordable(kPurchasePrices[0]));
        if (trial(recruits).acted)
            return recruits;
        // Nothing to buy or take: an attack if it does some harm, otherwise
        // a purchase of nothing.
        if (forecastBattle(opponentForces(base_), playerDefenders(base_)).damage >= kDangerDamage)
            return attackMove();
        return buyMove(0, 0);
    }

    GameState base_;
    EnemyRules rules_;
    int32_t cell_ = 0;
    int32_t cellTax_ = 0;
    double idleExposure_ = 0;
};

} // namespace

int32_t bestFreeCell(const LineList &field, int32_t gold)
{
    int32_t best = 0;
    int32_t bestTax = 0;
    for (int n = 1; n <= kCells; ++n) {
        const Terrain *t = freeTerrain(field.line(static_cast<std::size_t>(n)));
        if (t && gold >= t->price && t->tax > bestTax) {
            best = n;
            bestTax = t->tax;
        }
    }
    return best;
}

int32_t bestFreeCell(const GameState &state) { return bestFreeCell(state.memgame, state.enemycash); }

EnemyMove planMove(const GameState &state, EnemyRules rules)
{
    return Planner(state, rules).decide();
}

} // namespace gw
