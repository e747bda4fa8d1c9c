// SPDX-License-Identifier: MIT
#pragma once

#include "rng.h"
#include "synth.h"

namespace assetgen {

// Each returns one note or hit, starting at its first sample; notes ring on
// a little past `seconds` for their release.
Samples horn(double hz, double seconds, int rate);
Samples strings(double hz, double seconds, int rate);
Samples bass(double hz, double seconds, int rate);
Samples kick(int rate);
Samples snare(Rng &rng, int rate);
Samples hihat(Rng &rng, int rate);
Samples timpani(double hz, Rng &rng, int rate);
Samples explosion(Rng &rng, int rate);
Samples gunshot(Rng &rng, int rate);

} // namespace assetgen
