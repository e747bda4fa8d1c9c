// SPDX-License-Identifier: MIT
#pragma once

namespace gw {

// The four sound players: the music, the battle noise and the two radio
// calls (the player's attack, the opponent's).
enum class Sound { BgMusic, FightBg, Fight, Defend };

} // namespace gw
