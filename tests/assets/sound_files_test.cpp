// SPDX-License-Identifier: MIT
// The four sound files: MPEG audio frames from start to end, mono, of the
// lengths the game expects, and small enough to ship.
#include "assetpaths.h"

#include <gtest/gtest.h>

using namespace assettest;

namespace {

struct Mp3Info {
    bool valid = false;
    int frames = 0;
    bool mono = true;
    double seconds = 0;
};

// Walks the MPEG-1/2 layer III frame headers from the first to the last
// byte; any gap or garbage makes the file invalid.
Mp3Info walkFrames(const QByteArray &b)
{
    static const int kbps1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static const int kbps2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    static const int rates1[] = {44100, 48000, 32000};
    Mp3Info info;
    int at = 0;
    if (b.startsWith("ID3") && b.size() >= 10)
        at = 10 + ((b[6] & 0x7F) << 21 | (b[7] & 0x7F) << 14 | (b[8] & 0x7F) << 7 | (b[9] & 0x7F));
    while (at + 4 <= b.size()) {
        const auto h = [&](int i) { return quint8(b[at + i]); };
        if (h(0) != 0xFF || (h(1) & 0xE0) != 0xE0)
            return info;
        const int version = (h(1) >> 3) & 3; // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
        const int layer = (h(1) >> 1) & 3;   // 1: layer III
        const int bitrateIndex = h(2) >> 4, rateIndex = (h(2) >> 2) & 3, padding = (h(2) >> 1) & 1;
        if (version == 1 || layer != 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
            return info;
        const bool mpeg1 = version == 3;
        const int rate = rates1[rateIndex] / (mpeg1 ? 1 : (version == 2 ? 2 : 4));
        const int kbps = mpeg1 ? kbps1[bitrateIndex] : kbps2[bitrateIndex];
        const int samples = mpeg1 ? 1152 : 576;
        const int length = (samples / 8) * kbps * 1000 / rate + padding;
        info.mono = info.mono && ((h(3) >> 6) == 3);
        info.seconds += double(samples) / rate;
        ++info.frames;
        at += length;
    }
    info.valid = at == b.size() && info.frames > 0;
    return info;
}

Mp3Info sound(const char *name)
{
    return walkFrames(readAll(dataDir() + "/sound/" + name));
}

} // namespace

TEST(SoundFiles, MusicRunsAboutAHundredSecondsSoTheRestartLeavesAPause)
{
    const Mp3Info m = sound("bgmusic.mp3");
    ASSERT_TRUE(m.valid);
    EXPECT_TRUE(m.mono);
    EXPECT_GT(m.seconds, 90.0);
    EXPECT_LT(m.seconds, 116.0);
}

TEST(SoundFiles, BattleNoiseRunsTenToTwentySeconds)
{
    const Mp3Info m = sound("fightbg.mp3");
    ASSERT_TRUE(m.valid);
    EXPECT_TRUE(m.mono);
    EXPECT_GE(m.seconds, 10.0);
    EXPECT_LE(m.seconds, 20.0);
}

TEST(SoundFiles, CallsAreShort)
{
    for (const char *name : {"machenfertig.mp3", "wirwerden.mp3"}) {
        const Mp3Info m = sound(name);
        ASSERT_TRUE(m.valid) << name;
        EXPECT_TRUE(m.mono) << name;
        EXPECT_GT(m.seconds, 1.0) << name;
        EXPECT_LT(m.seconds, 6.0) << name;
    }
}

TEST(SoundFiles, AllFourTogetherStayUnderTwoMegabytes)
{
    qint64 total = 0;
    for (const char *name : {"bgmusic.mp3", "fightbg.mp3", "machenfertig.mp3", "wirwerden.mp3"})
        total += readAll(dataDir() + "/sound/" + name).size();
    EXPECT_GT(total, 0);
    EXPECT_LT(total, 2 * 1024 * 1024);
}
