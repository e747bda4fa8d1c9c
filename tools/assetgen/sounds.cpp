// SPDX-License-Identifier: MIT
#include "sounds.h"

#include "music.h"
#include "rng.h"
#include "synth.h"

#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {

void run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, args);
    if (!p.waitForStarted()) {
        std::fprintf(stderr, "assetgen: cannot run %s (install it to regenerate the sounds)\n", qPrintable(program));
        std::exit(1);
    }
    p.waitForFinished(-1);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "assetgen: %s failed\n", qPrintable(program));
        std::exit(1);
    }
}

// Mono MP3 at a constant bit rate, no ID3 tag.
void encode(const QString &wav, const QString &mp3, int kbps)
{
    run("lame", {"--quiet", "-m", "m", "--cbr", "-b", QString::number(kbps), wav, mp3});
}

// A field-radio call: espeak-ng's German voice through a narrow band with a
// little overdrive and a crackle of static before and after.
Samples radioCall(const QString &text, const QString &tmp, uint32_t seed)
{
    const QString raw = tmp + "/voice.wav";
    run("espeak-ng", {"-v", "de", "-s", "150", "-p", "38", "-a", "180", "-w", raw, text});
    int rate = 0;
    const Samples voice = readWav(raw, &rate);
    Samples out;
    Rng rng(seed);
    const auto staticBurst = [&](double seconds) {
        HighPass hp(900, rate);
        for (int i = 0; i < int(seconds * rate); ++i)
            out.push_back(hp.step(float(rng.uniform() * 2 - 1)) * 0.25f * float(rng.chance(0.3)));
    };
    staticBurst(0.12);
    HighPass low(320, rate);
    LowPass high(3200, rate), high2(3200, rate), afterDrive(3800, rate);
    for (float s : voice) {
        const float band = high2.step(high.step(low.step(s * 2.2f)));
        // The overdrive adds grit; the last filter keeps it from hissing.
        const float driven = afterDrive.step(float(std::tanh(band * 2.5)));
        out.push_back(driven + float(rng.uniform() * 2 - 1) * 0.01f);
    }
    staticBurst(0.10);
    // Headroom: the encoder overshoots a little on the hard consonants.
    normalise(out, 0.8f);
    // Resample to the common rate by linear interpolation.
    Samples res(std::size_t(double(out.size()) * kSampleRate / rate));
    for (std::size_t i = 0; i < res.size(); ++i) {
        const double x = double(i) * rate / kSampleRate;
        const std::size_t k = std::size_t(x);
        const double f = x - double(k);
        const float a = out[std::min(k, out.size() - 1)], b = out[std::min(k + 1, out.size() - 1)];
        res[i] = float(a + (b - a) * f);
    }
    return res;
}

} // namespace

void makeSounds(const QString &dir)
{
    QTemporaryDir tmp;
    if (!tmp.isValid()) {
        std::fprintf(stderr, "assetgen: no temporary folder\n");
        std::exit(1);
    }
    const QString t = tmp.path();
    writeWav(t + "/music.wav", composeMusic(kSampleRate), kSampleRate);
    encode(t + "/music.wav", dir + "/bgmusic.mp3", 64);
    writeWav(t + "/battle.wav", composeBattle(kSampleRate), kSampleRate);
    encode(t + "/battle.wav", dir + "/fightbg.mp3", 48);
    writeWav(t + "/attack.wav", radioCall("Macht euch fertig! Angriff!", t, 7), kSampleRate);
    encode(t + "/attack.wav", dir + "/machenfertig.mp3", 48);
    writeWav(t + "/alarm.wav", radioCall("Achtung! Wir werden angegriffen!", t, 8), kSampleRate);
    encode(t + "/alarm.wav", dir + "/wirwerden.mp3", 48);
}

} // namespace assetgen
