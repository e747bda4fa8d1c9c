// SPDX-License-Identifier: MIT
#pragma once

#include "synth.h"

namespace assetgen {

// The menu and game music: a march in D minor at 96 beats a minute, forty
// bars (100 seconds) of intro, two verses with their refrains and a coda,
// with horn melody, strings, bass, drums and timpani.
Samples composeMusic(int rate);

// The battle background: rumble, explosions, bursts of gunfire and war
// drums, 15 seconds.
Samples composeBattle(int rate);

} // namespace assetgen
