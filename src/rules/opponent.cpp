// SPDX-License-Identifier: MIT
#include "rules/opponent.h"

#include "core/random.h"
#include "rules/planner.h"

namespace gw {

namespace {

// Leicht: one of the twelve actions drawn blindly, the expansion drawing its
// cell when it is carried out.
class DrawingOpponent : public Opponent {
public:
    Move choose(const GameState &, Random &random) const override
    {
        EnemyMove move;
        move.action = random.drawbelow(12) + 1;
        return toMove(move, EnemyRules::Tiers);
    }
    EnemyRules rules() const override { return EnemyRules::Tiers; }
};

// Mittel: the planner's choice. Mittel draws first whether to
// think at all this round; when it does not, it draws as Leicht does.
class ChoosingOpponent : public Opponent {
public:
    ChoosingOpponent(EnemyRules rules, int32_t thinksPerMille) : rules_(rules), thinksPerMille_(thinksPerMille) {}

    Move choose(const GameState &state, Random &random) const override
    {
        if (thinksPerMille_ < 1000 && random.drawbelow(1000) >= thinksPerMille_)
            return DrawingOpponent().choose(state, random);
        return toMove(planMove(state, rules_), rules_);
    }
    EnemyRules rules() const override { return rules_; }

private:
    EnemyRules rules_;
    int32_t thinksPerMille_;
};

} // namespace

Move LookaheadOpponent::choose(const GameState &state, Random &) const { return lookaheadMove(state, weights_); }

const Opponent &opponentFor(int32_t level)
{
    static const DrawingOpponent leicht;
    static const ChoosingOpponent mittel(EnemyRules::Tiers, kMittelThinksPerMille);
    static const LookaheadOpponent schwer;
    if (level <= static_cast<int32_t>(EnemyLevel::Leicht))
        return leicht;
    if (level == static_cast<int32_t>(EnemyLevel::Mittel))
        return mittel;
    return schwer;
}

} // namespace gw
