// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace assetgen {

constexpr int kSampleRate = 44100;

using Samples = std::vector<float>;

// Mono 16-bit PCM WAV files.
void writeWav(const QString &path, const Samples &samples, int rate);
// Reads a mono 16-bit PCM WAV (as espeak-ng writes it); stops the program
// with a message on anything else.
Samples readWav(const QString &path, int *rate);

// Adds `source` into `mix` from sample `at` on, scaled by `gain`.
void mixInto(Samples &mix, const Samples &source, std::size_t at, float gain);
// Scales so that the loudest sample reaches `peak`.
void normalise(Samples &s, float peak);
void fadeEdges(Samples &s, double inSeconds, double outSeconds, int rate);

double midiToHz(double note);

// One-pole filters and a small room reverb.
class LowPass {
public:
    LowPass(double cutoffHz, int rate);
    void setCutoff(double cutoffHz);
    float step(float x);

private:
    int rate_;
    float a_ = 0, y_ = 0;
};

class HighPass {
public:
    HighPass(double cutoffHz, int rate);
    float step(float x);

private:
    LowPass low_;
};

void reverb(Samples &s, int rate, float wet);

} // namespace assetgen
