// SPDX-License-Identifier: MIT
#include "music.h"

#include "instruments.h"

#include <cmath>
#include <vector>

namespace assetgen {

namespace {

constexpr double kBeat = 60.0 / 96.0;
constexpr double kBar = 4 * kBeat;

struct Chord {
    int bassNote;
    int voices[3];
};

// Voicings kept close together so the strings move smoothly.
const Chord Dm{38, {57, 62, 65}}, Bb{34, {58, 62, 65}}, F{41, {57, 60, 65}}, C{36, {55, 60, 64}},
    Gm{43, {55, 58, 62}}, A{33, {57, 61, 64}};

struct Note {
    int pitch; // MIDI number, 0 for a rest
    double beats;
};

// The verse tune over Dm Bb F C Dm Bb Gm A.
const std::vector<Note> kVerse = {
    {69, 1.5}, {74, 0.5}, {77, 1}, {76, 1},  {74, 1.5}, {70, 0.5}, {74, 1}, {77, 1},
    {72, 1.5}, {69, 0.5}, {72, 1}, {77, 1},  {76, 2},   {79, 1},   {76, 1},
    {77, 1.5}, {76, 0.5}, {74, 1}, {69, 1},  {70, 1},   {74, 1},   {77, 1}, {74, 1},
    {79, 1.5}, {77, 0.5}, {74, 1}, {70, 1},  {69, 2},   {73, 1},   {76, 1},
};
// The refrain over Bb C Dm Dm Gm Bb A A, climbing to the top A.
const std::vector<Note> kRefrain = {
    {77, 2},   {74, 1},   {77, 1}, {79, 2},  {76, 1},   {72, 1},   {81, 2}, {77, 1}, {74, 1},
    {81, 1},   {79, 1},   {77, 1}, {76, 1},  {74, 1.5}, {70, 0.5}, {74, 1}, {79, 1},
    {77, 1.5}, {74, 0.5}, {77, 1}, {82, 1},  {81, 2},   {79, 1},   {76, 1}, {73, 1}, {76, 1}, {81, 2},
};
const std::vector<Note> kCoda = {{74, 4}, {77, 2}, {74, 2}, {76, 2}, {73, 2}, {74, 4}};

struct Section {
    std::vector<Chord> chords;
    const std::vector<Note> *tune; // nullptr: no melody
    int tuneShift;                 // semitones
    bool drums;
    bool stringsDouble;            // the strings play the tune too
};

void playTune(Samples &mix, const std::vector<Note> &tune, double start, int shift, bool onStrings, int rate)
{
    double t = start;
    for (const Note &n : tune) {
        if (n.pitch > 0) {
            const double hz = midiToHz(n.pitch + shift);
            const double len = n.beats * kBeat * 0.92;
            mixInto(mix, horn(hz, len, rate), std::size_t(t * rate), 0.30f);
            if (onStrings)
                mixInto(mix, strings(hz * 2, len, rate), std::size_t(t * rate), 0.13f);
        }
        t += n.beats * kBeat;
    }
}

} // namespace

Samples composeMusic(int rate)
{
    const std::vector<Section> form = {
        {{Dm, Bb, F, C}, nullptr, 0, false, false},
        {{Dm, Bb, F, C, Dm, Bb, Gm, A}, &kVerse, 0, true, false},
        {{Bb, C, Dm, Dm, Gm, Bb, A, A}, &kRefrain, 0, true, false},
        {{Dm, Bb, F, C, Dm, Bb, Gm, A}, &kVerse, -12, true, true},
        {{Bb, C, Dm, Dm, Gm, Bb, A, A}, &kRefrain, -12, true, true},
        {{Dm, Bb, A, Dm}, &kCoda, 0, false, false},
    };
    Samples mix(std::size_t((40 * kBar + 4.0) * rate), 0.0f);
    Rng rng(2024);
    double barStart = 0;
    for (std::size_t s = 0; s < form.size(); ++s) {
        const Section &sec = form[s];
        if (sec.tune)
            playTune(mix, *sec.tune, barStart, sec.tuneShift, sec.stringsDouble, rate);
        const bool last = s + 1 == form.size();
        for (std::size_t b = 0; b < sec.chords.size(); ++b) {
            const Chord &c = sec.chords[b];
            const double t0 = barStart + b * kBar;
            const bool finalBar = last && b + 1 == sec.chords.size();
            const double hold = finalBar ? 2.5 * kBar : kBar;
            const auto at = [&](double beats) { return std::size_t((t0 + beats * kBeat) * rate); };
            for (int v : c.voices)
                mixInto(mix, strings(midiToHz(v), hold * 0.98, rate), at(0), 0.085f);
            // Bass: root and fifth in a marching step, from the third bar.
            if (s > 0 || b >= 2) {
                const double root = midiToHz(c.bassNote), fifth = midiToHz(c.bassNote + 7);
                if (finalBar) {
                    mixInto(mix, bass(root, 3 * kBeat, rate), at(0), 0.42f);
                } else {
                    for (int beat = 0; beat < 4; ++beat)
                        mixInto(mix, bass(beat % 2 ? fifth : root, kBeat * 0.85, rate), at(beat), 0.40f);
                }
            }
            // Timpani mark the phrases.
            if (b % 4 == 0 || finalBar)
                mixInto(mix, timpani(midiToHz(c.bassNote + 12 <= 45 ? c.bassNote + 12 : c.bassNote), rng, rate), at(0),
                        0.45f);
            if (sec.drums) {
                for (int beat = 0; beat < 4; ++beat) {
                    mixInto(mix, beat % 2 ? snare(rng, rate) : kick(rate), at(beat), beat % 2 ? 0.22f : 0.55f);
                    mixInto(mix, hihat(rng, rate), at(beat), 0.07f);
                    mixInto(mix, hihat(rng, rate), at(beat + 0.5), 0.045f);
                }
                // A snare roll leads into the next section.
                if (b + 1 == sec.chords.size())
                    for (int k = 0; k < 8; ++k)
                        mixInto(mix, snare(rng, rate), at(2 + k * 0.25), 0.08f + 0.02f * k);
            }
        }
        if (last) {
            // A timpani roll under the final chord.
            const double t0 = barStart + (sec.chords.size() - 1) * kBar;
            for (int k = 0; k < 24; ++k)
                mixInto(mix, timpani(midiToHz(38), rng, rate), std::size_t((t0 + k * 0.07) * rate),
                        0.10f * (1.0f - k / 30.0f));
        }
        barStart += sec.chords.size() * kBar;
    }
    reverb(mix, rate, 0.22f);
    // Trim the silence after the reverb tail.
    mix.resize(std::size_t((40 * kBar + 1.8) * rate));
    // A gentle soft limiter lifts the quiet passages against the drum peaks.
    normalise(mix, 1.0f);
    for (float &v : mix)
        v = float(std::tanh(1.8 * v) / std::tanh(1.8));
    normalise(mix, 0.89f);
    fadeEdges(mix, 0.01, 1.2, rate);
    return mix;
}

Samples composeBattle(int rate)
{
    const double length = 15.0;
    Samples mix(std::size_t(length * rate), 0.0f);
    Rng rng(1918);
    // The rumble of the front: brown noise, slowly swelling.
    {
        LowPass low(120, rate);
        float brown = 0;
        for (std::size_t i = 0; i < mix.size(); ++i) {
            brown = std::clamp(brown + float(rng.uniform() * 2 - 1) * 0.05f, -1.0f, 1.0f);
            const double t = double(i) / rate;
            mix[i] += low.step(brown) * float(0.9 + 0.4 * std::sin(t * 0.9));
        }
    }
    // Explosions, near and far.
    for (double t = 0.4; t < length - 1.5; t += rng.range(1.2, 2.6)) {
        const bool near = rng.chance(0.4);
        mixInto(mix, explosion(rng, rate), std::size_t(t * rate), near ? 0.9f : 0.4f);
    }
    // Bursts of rifle and machine-gun fire.
    for (double t = 0.1; t < length - 1.0; t += rng.range(0.6, 1.8)) {
        const int shots = 3 + rng.below(10);
        const double gap = rng.chance(0.5) ? 0.09 : rng.range(0.15, 0.35);
        const float gain = float(rng.range(0.15, 0.45));
        for (int k = 0; k < shots; ++k)
            mixInto(mix, gunshot(rng, rate), std::size_t((t + k * gap + rng.range(0, 0.01)) * rate), gain);
    }
    // War drums beat the advance.
    for (double t = 0; t < length - 0.5; t += 0.5) {
        const int step = int(std::lround(t / 0.5)) % 8;
        if (step == 0 || step == 3 || step == 4 || step == 6)
            mixInto(mix, timpani(midiToHz(31), rng, rate), std::size_t(t * rate), step == 0 ? 0.55f : 0.35f);
    }
    mix.resize(std::size_t(length * rate));
    reverb(mix, rate, 0.15f);
    mix.resize(std::size_t(length * rate));
    normalise(mix, 0.89f);
    fadeEdges(mix, 0.2, 1.0, rate);
    return mix;
}

} // namespace assetgen
