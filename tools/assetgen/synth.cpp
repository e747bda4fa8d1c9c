// SPDX-License-Identifier: MIT
#include "synth.h"

#include "bmpwriter.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {
void put(QByteArray &b, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

uint32_t get(const QByteArray &b, int at, int bytes)
{
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= uint32_t(uint8_t(b[at + i])) << (8 * i);
    return v;
}

[[noreturn]] void die(const QString &what)
{
    std::fprintf(stderr, "assetgen: %s\n", qPrintable(what));
    std::exit(1);
}
} // namespace

void writeWav(const QString &path, const Samples &samples, int rate)
{
    QByteArray b;
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    b.append("RIFF");
    put(b, 36 + dataBytes, 4);
    b.append("WAVEfmt ");
    put(b, 16, 4);
    put(b, 1, 2); // PCM
    put(b, 1, 2); // mono
    put(b, uint32_t(rate), 4);
    put(b, uint32_t(rate * 2), 4);
    put(b, 2, 2);
    put(b, 16, 2);
    b.append("data");
    put(b, dataBytes, 4);
    for (float s : samples) {
        const auto v = static_cast<int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
        put(b, uint16_t(v), 2);
    }
    writeFileOrDie(path, b);
}

Samples readWav(const QString &path, int *rate)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        die("cannot read " + path);
    const QByteArray b = f.readAll();
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        die(path + " is not a WAV file");
    int at = 12, channels = 0, bits = 0;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        // espeak-ng writes its streaming size 0x7FFFFFFF; clamp to the file.
        const int size = int(std::min<uint32_t>(get(b, at + 4, 4), uint32_t(b.size() - at - 8)));
        if (id == "fmt ") {
            channels = int(get(b, at + 10, 2));
            *rate = int(get(b, at + 12, 4));
            bits = int(get(b, at + 22, 2));
        } else if (id == "data") {
            if (channels != 1 || bits != 16)
                die(path + ": expected mono 16-bit PCM");
            Samples s;
            for (int i = 0; i + 1 < size; i += 2)
                s.push_back(float(int16_t(get(b, at + 8 + i, 2))) / 32768.0f);
            return s;
        }
        at += 8 + size + (size & 1);
    }
    die(path + ": no audio data");
}

void mixInto(Samples &mix, const Samples &source, std::size_t at, float gain)
{
    if (mix.size() < at + source.size())
        mix.resize(at + source.size(), 0.0f);
    for (std::size_t i = 0; i < source.size(); ++i)
        mix[at + i] += source[i] * gain;
}

void normalise(Samples &s, float peak)
{
    float top = 0;
    for (float v : s)
        top = std::max(top, std::fabs(v));
    if (top > 0)
        for (float &v : s)
            v *= peak / top;
}

void fadeEdges(Samples &s, double inSeconds, double outSeconds, int rate)
{
    const std::size_t in = std::size_t(inSeconds * rate), out = std::size_t(outSeconds * rate);
    for (std::size_t i = 0; i < in && i < s.size(); ++i)
        s[i] *= float(i) / float(in);
    for (std::size_t i = 0; i < out && i < s.size(); ++i)
        s[s.size() - 1 - i] *= float(i) / float(out);
}

double midiToHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

LowPass::LowPass(double cutoffHz, int rate) : rate_(rate)
{
    setCutoff(cutoffHz);
}

void LowPass::setCutoff(double cutoffHz)
{
    a_ = float(1.0 - std::exp(-2.0 * M_PI * cutoffHz / rate_));
}

float LowPass::step(float x)
{
    y_ += a_ * (x - y_);
    return y_;
}

HighPass::HighPass(double cutoffHz, int rate) : low_(cutoffHz, rate) {}

float HighPass::step(float x)
{
    return x - low_.step(x);
}

void reverb(Samples &s, int rate, float wet)
{
    // Schroeder's reverberator: four combs in parallel, two all-passes.
    const double combTimes[] = {0.0297, 0.0371, 0.0411, 0.0437};
    const double allTimes[] = {0.005, 0.0017};
    const std::size_t tail = std::size_t(rate * 1.2);
    s.resize(s.size() + tail, 0.0f);
    Samples out(s.size(), 0.0f);
    for (double t : combTimes) {
        const std::size_t d = std::size_t(t * rate);
        Samples buf(s.size(), 0.0f);
        for (std::size_t i = 0; i < s.size(); ++i) {
            const float fb = i >= d ? buf[i - d] : 0.0f;
            buf[i] = s[i] + 0.80f * fb;
            out[i] += buf[i] * 0.25f;
        }
    }
    for (double t : allTimes) {
        const std::size_t d = std::size_t(t * rate);
        Samples buf(out.size(), 0.0f);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const float delayed = i >= d ? buf[i - d] : 0.0f;
            buf[i] = out[i] + 0.5f * delayed;
            out[i] = delayed - 0.5f * buf[i];
        }
    }
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = s[i] * (1.0f - wet) + out[i] * wet;
}

} // namespace assetgen
