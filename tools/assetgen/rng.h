// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace assetgen {

// A small generator of our own (splitmix64) so that every run and every
// platform draws the same numbers; the standard distributions are not
// specified bit for bit.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}

    uint64_t next();
    double uniform();                      // [0, 1)
    double range(double lo, double hi);    // [lo, hi)
    int below(int n);                      // 0 .. n-1
    bool chance(double p) { return uniform() < p; }

private:
    uint64_t state_;
};

// Smooth value noise in [0, 1] on a unit lattice, and its fractal sum.
double valueNoise(double x, double y, uint32_t seed);
double fbm(double x, double y, uint32_t seed, int octaves = 4);

} // namespace assetgen
