// SPDX-License-Identifier: MIT
#include "rules/report.h"

#include "core/cells.h"
#include "rules/battle.h"
#include "rules/enemyturn.h"

#include <array>

namespace gw {

namespace {

struct Noun {
    const char *one;
    const char *many;
};

std::string counted(int32_t n, const Noun &noun)
{
    return std::to_string(n) + " " + (n == 1 ? noun.one : noun.many);
}

// What actions 1..9 buy or train, in action order.
constexpr std::array<Noun, 9> kGoods = {{
    {"Rekruten", "Rekruten"},
    {"MG", "MGs"},
    {"Scharfschützengewehr", "Scharfschützengewehre"},
    {"Mörser", "Mörser"},
    {"Spezialausrüstung", "Spezialausrüstungen"},
    {"Infanteristen", "Infanteristen"},
    {"Scharfschützen", "Scharfschützen"},
    {"Mörsertrupp", "Mörsertrupps"},
    {"Sondereinheit", "Sondereinheiten"},
}};

// The forces of the stages and the defenders in the order they are met.
constexpr std::array<const char *, 5> kForces = {"Rekruten", "Infanteristen", "Scharfschützen",
                                                 "Mörsertrupps", "Sondereinheiten"};
constexpr std::array<const char *, 8> kDefenders = {"Rekruten", "Infanteristen", "Scharfschützen",
                                                    "Mörsertrupps", "Sondereinheiten",
                                                    "Geschütztürme", "Bunker", "Minenfelder"};

const char *const kNothing = "Der Gegner hat nichts getan.";

std::string terrainName(const std::string &state)
{
    const Terrain *t = terrainOf(state);
    return t ? t->germanName : state;
}

} // namespace

std::string lastMoveText(const EnemyTurnResult &turn)
{
    const int a = turn.action;
    if (a >= 1 && a <= 10 && turn.tier == 0)
        return kNothing;
    if (a >= 1 && a <= 5)
        return "Der Gegner hat " + counted(turn.amount, kGoods[static_cast<std::size_t>(a - 1)]) + " gekauft.";
    if (a >= 6 && a <= 9)
        return "Der Gegner hat " + counted(turn.amount, kGoods[static_cast<std::size_t>(a - 1)]) + " ausgebildet.";
    if (a == 10) {
        static const char *const built[] = {"einen Geschützturm", "einen Bunker", "ein Minenfeld"};
        return std::string("Der Gegner hat ") + built[turn.tier - 1] + " gebaut.";
    }
    if (a == 11) {
        const int32_t damage = turn.battle ? turn.battle->basehpBefore - turn.battle->basehpAfter : 0;
        if (damage <= 0)
            return "Der Gegner hat angegriffen. Ihre Basis blieb unbeschädigt.";
        return "Der Gegner hat angegriffen. Ihre Basis verlor " + std::to_string(damage) + " HP.";
    }
    if (a == 12 && turn.cellTaken)
        return "Der Gegner hat ein Feld besetzt (" + terrainName(turn.newState) + ").";
    return kNothing;
}

std::vector<std::string> battleReportLines(const BattleResult &battle)
{
    std::vector<std::string> lines;
    lines.push_back(battle.attackerIsPlayer ? "Ihr Angriff auf die gegnerische Basis"
                                            : "Angriff des Gegners auf Ihre Basis");
    for (const BattleStage &st : battle.stages) {
        std::string line = std::to_string(st.stage) + ". " + kForces[static_cast<std::size_t>(st.stage - 1)] +
                           " (" + std::to_string(st.attackersAtStart) + "): ";
        if (st.attackersAtStart <= 0) {
            lines.push_back(line + "kein Einsatz");
            continue;
        }
        std::string met;
        int32_t defenderLosses = 0;
        for (std::size_t d = 0; d < kDefenders.size(); ++d) {
            if (st.rollsAgainst[d] > 0)
                met += std::string(met.empty() ? "" : ", ") + kDefenders[d] + " -" + std::to_string(st.defendersLost[d]);
            defenderLosses += st.defendersLost[d];
        }
        line += std::to_string(st.rolls) + (st.rolls == 1 ? " Wurf" : " Würfe");
        line += "; Verluste: Angreifer " + std::to_string(st.attackersLost) + ", Verteidiger " +
                std::to_string(defenderLosses);
        if (!met.empty())
            line += " (" + met + ")";
        line += "; Schaden " + std::to_string(st.damage);
        lines.push_back(line);
    }
    lines.push_back("HP der Basis: " + std::to_string(battle.basehpBefore) + " -> " +
                    std::to_string(battle.basehpAfter));
    return lines;
}

} // namespace gw
