// SPDX-License-Identifier: MIT
#include "instruments.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

// A sawtooth with its steps smoothed (polyBLEP), so high notes do not alias.
float saw(double phase, double hz, int rate)
{
    const double t = phase - std::floor(phase), dt = hz / rate;
    double v = 2.0 * t - 1.0;
    if (t < dt) {
        const double x = t / dt;
        v -= x + x - x * x - 1.0;
    } else if (t > 1.0 - dt) {
        const double x = (t - 1.0) / dt;
        v -= x * x + x + x + 1.0;
    }
    return float(v * 0.5);
}

double adsr(double t, double seconds, double attack, double decay, double sustain, double release)
{
    double e;
    if (t < attack)
        e = t / attack;
    else if (t < attack + decay)
        e = 1.0 - (1.0 - sustain) * (t - attack) / decay;
    else
        e = sustain;
    if (t > seconds)
        e *= std::max(0.0, 1.0 - (t - seconds) / release);
    return e;
}

float noise(Rng &rng)
{
    return float(rng.uniform() * 2.0 - 1.0);
}

} // namespace

Samples horn(double hz, double seconds, int rate)
{
    const double release = 0.18;
    Samples out(std::size_t((seconds + release) * rate));
    LowPass tone(1000, rate);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / rate;
        const double vibrato = 1.0 + 0.005 * std::sin(2 * M_PI * 5.2 * t) * std::min(1.0, t / 0.35);
        phase += hz * vibrato / rate;
        const double env = adsr(t, seconds, 0.05, 0.2, 0.78, release);
        // The horn brightens as it is blown harder.
        tone.setCutoff(500 + 2600 * env);
        out[i] = tone.step(saw(phase, hz, rate)) * float(env);
    }
    return out;
}

Samples strings(double hz, double seconds, int rate)
{
    const double release = 0.45;
    Samples out(std::size_t((seconds + release) * rate));
    LowPass tone(1700, rate);
    double p[3] = {0, 0.33, 0.71};
    const double detune[3] = {0.996, 1.0, 1.004};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / rate;
        float s = 0;
        for (int k = 0; k < 3; ++k) {
            p[k] += hz * detune[k] / rate;
            s += saw(p[k], hz, rate);
        }
        out[i] = tone.step(s / 3.0f) * float(adsr(t, seconds, 0.28, 0.3, 0.85, release));
    }
    return out;
}

Samples bass(double hz, double seconds, int rate)
{
    const double release = 0.06;
    Samples out(std::size_t((seconds + release) * rate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / rate;
        const double body = std::sin(2 * M_PI * hz * t) + 0.35 * std::sin(4 * M_PI * hz * t) +
                            0.12 * std::sin(6 * M_PI * hz * t);
        double env = std::min(1.0, t / 0.008) * std::exp(-t / 0.45);
        if (t > seconds)
            env *= std::max(0.0, 1.0 - (t - seconds) / release);
        out[i] = float(body * env);
    }
    return out;
}

Samples kick(int rate)
{
    Samples out(std::size_t(0.35 * rate));
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / rate;
        phase += (45 + 75 * std::exp(-t / 0.04)) / rate;
        out[i] = float(std::sin(2 * M_PI * phase) * std::exp(-t / 0.12));
    }
    return out;
}

Samples snare(Rng &rng, int rate)
{
    Samples out(std::size_t(0.25 * rate));
    HighPass rattle(1400, rate);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / rate;
        const float n = rattle.step(noise(rng)) * float(std::exp(-t / 0.07));
        const float body = float(std::sin(2 * M_PI * 185 * t) * std::exp(-t / 0.05));
        out[i] = 0.8f * n + 0.5f * body;
    }
    return out;
}

Samples hihat(Rng &rng, int rate)
{
    Samples out(std::size_t(0.08 * rate));
    HighPass hiss(7000, rate);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / rate;
        out[i] = hiss.step(noise(rng)) * float(std::exp(-t / 0.018));
    }
    return out;
}

Samples timpani(double hz, Rng &rng, int rate)
{
    Samples out(std::size_t(2.0 * rate));
    LowPass thud(400, rate);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / rate;
        const double drop = 1.0 + 0.04 * std::exp(-t / 0.05); // the skin settles
        const double tone = std::sin(2 * M_PI * hz * drop * t) + 0.5 * std::sin(2 * M_PI * hz * 1.5 * t) * std::exp(-t / 0.3) +
                            0.25 * std::sin(2 * M_PI * hz * 1.98 * t) * std::exp(-t / 0.2);
        const double hit = thud.step(noise(rng)) * std::exp(-t / 0.03) * 2.0;
        out[i] = float((tone * std::exp(-t / 0.7) + hit) * std::min(1.0, t / 0.003));
    }
    return out;
}

Samples explosion(Rng &rng, int rate)
{
    const double length = rng.range(1.6, 2.4);
    Samples out(std::size_t(length * rate));
    LowPass body(3000, rate), second(3000, rate);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / rate;
        // The blast starts bright and rolls off into a rumble.
        const double cutoff = 90 + 3500 * std::exp(-t / 0.12);
        body.setCutoff(cutoff);
        second.setCutoff(cutoff);
        const double env = std::min(1.0, t / 0.004) * std::exp(-t / (length * 0.3));
        phase += (32 + 40 * std::exp(-t / 0.08)) / rate;
        const double thump = std::sin(2 * M_PI * phase) * std::exp(-t / 0.35);
        out[i] = float(second.step(body.step(noise(rng))) * 3.0 * env + thump * 0.9);
    }
    return out;
}

Samples gunshot(Rng &rng, int rate)
{
    Samples out(std::size_t(0.16 * rate));
    HighPass crack(900, rate);
    LowPass boom(300, rate);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / rate;
        const float n = noise(rng);
        out[i] = crack.step(n) * float(std::exp(-t / 0.012)) + boom.step(n) * 3.0f * float(std::exp(-t / 0.05));
    }
    return out;
}

} // namespace assetgen
