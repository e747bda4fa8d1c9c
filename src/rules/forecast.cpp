// SPDX-License-Identifier: MIT
#include "rules/forecast.h"

#include "core/gamestate.h"
#include "rules/battle.h"

#include <algorithm>
#include <cmath>

namespace gw {

Forces playerForces(const GameState &s)
{
    return {s.recruits, s.infantry, s.snipers, s.mortarcrews, s.specialunits};
}

Forces opponentForces(const GameState &s)
{
    return {s.enemyrecruits, s.enemyinfantry, s.enemysnipers, s.enemymortarcrews, s.enemyspecialunits};
}

Defenders playerDefenders(const GameState &s)
{
    return {s.recruits,     s.infantry, s.snipers, s.mortarcrews,
            s.specialunits, s.towers,   s.bunkers, s.minefields};
}

Defenders opponentDefenders(const GameState &s)
{
    return {s.enemyrecruits,     s.enemyinfantry, s.enemysnipers, s.enemymortarcrews,
            s.enemyspecialunits, s.enemytowers,   s.enemybunkers, s.enemyminefields};
}

namespace {

// A defender falls to a roll of 0 on its die (chance 1/N); any other roll r
// (1..N-1, N/2 on average) costs the attacking force r men. A won roll kills
// one defender in stage 1 and 1..s in stage s of 2..5.
double meanKill(int stage) { return stage == 1 ? 1.0 : (stage + 1) / 2.0; }
double killVariance(int stage) { return stage == 1 ? 0.0 : (stage * stage - 1) / 12.0; }

// The won rolls needed to bring down `count` defenders of one force. A won
// roll kills 1..s in stage s, but never more than the force has left, so a
// few defenders need about one roll each; a remnant below one (the forecast
// of an earlier stage) counts as the chance that one is still there.
double winsNeeded(double count, int stage)
{
    if (count < 1.0)
        return count;
    const double k = meanKill(stage);
    return std::max(1.0, count / k + (k - 1.0) / (2.0 * k));
}

// The mean losses of the attacking force between two won rolls against a die of n.
double lossPerWin(int n) { return (n - 1) * n / 2.0; }

double normalBelow(double z) { return 0.5 * std::erfc(-z / std::sqrt(2.0)); }

// The regularized lower incomplete gamma function P(a, x): the chance that a
// gamma variable of shape a and scale 1 stays below x.
double gammaBelow(double a, double x)
{
    if (x <= 0)
        return 0.0;
    const double logFront = a * std::log(x) - x - std::lgamma(a);
    if (x < a + 1.0) {
        // The series, for x below the mean.
        double term = 1.0 / a, sum = term;
        for (int n = 1; n < 500 && term > sum * 1e-12; ++n) {
            term *= x / (a + n);
            sum += term;
        }
        return std::min(1.0, std::exp(logFront) * sum);
    }
    // The continued fraction of the upper part (modified Lentz).
    const double tiny = 1e-300;
    double b = x + 1.0 - a, c = 1.0 / tiny, d = 1.0 / b, h = d;
    for (int i = 1; i < 500; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < tiny)
            d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny)
            c = tiny;
        d = 1.0 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1.0) < 1e-12)
            break;
    }
    return std::max(0.0, 1.0 - std::exp(logFront) * h);
}
double normalDensity(double z) { return std::exp(-0.5 * z * z) / std::sqrt(2.0 * 3.14159265358979323846); }

// The defence after a stage that spent `force` men without clearing it: the
// losses are taken defender by defender, in order, at their mean price.
void spendOn(int stage, double force, std::array<double, 8> &defenders)
{
    for (std::size_t d = 0; d < defenders.size() && force > 0; ++d) {
        if (defenders[d] <= 0)
            continue;
        const double pricePerMan = lossPerWin(kDieSizes[d]) / meanKill(stage);
        const double price = defenders[d] * pricePerMan;
        if (force >= price) {
            force -= price;
            defenders[d] = 0;
        } else {
            defenders[d] -= force / pricePerMan;
            force = 0;
        }
    }
}

} // namespace

ClearingCost clearingCost(int stage, const std::array<double, 8> &defenders)
{
    ClearingCost c;
    const double k = meanKill(stage);
    for (std::size_t d = 0; d < defenders.size(); ++d) {
        const double count = defenders[d];
        if (count <= 0)
            continue;
        const double n = kDieSizes[d];
        const double wins = winsNeeded(count, stage);
        const double perWin = lossPerWin(kDieSizes[d]);
        c.mean += wins * perWin;
        c.logNoLoss -= wins * std::log(n);
        // Lost rolls before each win: geometric, (n-1) on average with
        // variance (n-1)n; each costs a uniform 1..n-1 (variance n(n-2)/12).
        // The number of wins itself varies with the kill size of stages 2..5.
        c.variance += wins * (n - 1) * n * (n - 2) / 12.0 + wins * (n - 1) * n * n * n / 4.0
                      + perWin * perWin * count * killVariance(stage) / (k * k * k);
    }
    return c;
}

BattleForecast forecastBattle(const Forces &attackers, const Defenders &defenders)
{
    BattleForecast f;
    // The defence in the case that every stage so far has failed; once one
    // stage clears it, every later stage with a force hits unopposed.
    std::array<double, 8> standing{};
    for (std::size_t d = 0; d < standing.size(); ++d)
        standing[d] = std::max<int32_t>(0, defenders[d]);
    double allFailed = 1.0;
    double cleared = 0.0;
    for (std::size_t s = 0; s < attackers.size(); ++s) {
        const int stage = static_cast<int>(s) + 1;
        const double force = std::max<int32_t>(0, attackers[s]);
        f.fights[s] = force > 0;
        if (!f.fights[s])
            continue;
        const ClearingCost cost = clearingCost(stage, standing);
        double clears = 1.0;
        double survivors = force;
        if (cost.mean > 0) {
            // The losses, a sum of many small geometric waits, follow a gamma
            // law of the same mean and variance (the force survives while
            // they stay below it); a few defenders may also all fall to the
            // first rolls.
            const double scale = std::max(cost.variance, 1e-9) / cost.mean;
            clears = std::max(std::exp(cost.logNoLoss), gammaBelow(cost.mean / scale, (force - 0.5) / scale));
            // The men left when the losses stayed below the force: the mean
            // of a normal law of those losses cut off at the force.
            const double sd = std::sqrt(std::max(cost.variance, 1e-9));
            const double z = (force - cost.mean) / sd;
            const double below = normalBelow(z);
            survivors = below > 1e-12 ? std::max(0.0, (force - cost.mean) + sd * normalDensity(z) / below) : 0.0;
            survivors = std::min(survivors, force);
        }
        f.firstClear[s] = allFailed * clears;
        f.attackersLeft[s] = (1.0 - allFailed) * force + allFailed * clears * survivors;
        cleared += f.firstClear[s];
        f.stageHits[s] = cleared;
        f.damage += kStageDamage * cleared;
        spendOn(stage, force, standing);
        allFailed *= 1.0 - clears;
    }
    for (std::size_t d = 0; d < standing.size(); ++d)
        f.defendersLeft[d] = allFailed * standing[d];
    return f;
}

double BattleForecast::clearChance() const
{
    double c = 0;
    for (double x : firstClear)
        c += x;
    return c;
}

double BattleForecast::chanceOfAtLeast(int32_t hp) const
{
    if (hp <= 0)
        return 1.0;
    double chance = 0.0;
    for (std::size_t first = 0; first < firstClear.size(); ++first) {
        int hits = 0;
        for (std::size_t s = first; s < fights.size(); ++s)
            hits += fights[s] ? 1 : 0;
        if (static_cast<int64_t>(hits) * kStageDamage >= hp)
            chance += firstClear[first];
    }
    return std::min(1.0, chance);
}

} // namespace gw
