// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace gw {

struct BattleResult;
struct EnemyTurnResult;

// One German line that tells the player what the opponent did in a round end,
// "Der Gegner hat 50 Rekruten gekauft." and the like.
std::string lastMoveText(const EnemyTurnResult &turn);

// The battle report ("Kampfbericht"): a heading, one line per stage with the
// attacking force and its count, the defenders met, the rolls, the losses on
// each side and the damage, then the base's hit points before and after.
std::vector<std::string> battleReportLines(const BattleResult &battle);

} // namespace gw
