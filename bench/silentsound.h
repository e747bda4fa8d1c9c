// SPDX-License-Identifier: MIT
#pragma once

#include "audio/soundsystem.h"

// The window's sound players, doing nothing: the benchmarks time the window.
struct SilentSound : gw::SoundSystem {
    void open(gw::Sound) override {}
    void play(gw::Sound) override {}
    void stop(gw::Sound) override {}
    void rewind(gw::Sound) override {}
    void close(gw::Sound) override {}
    void setVolume(gw::Sound, int) override {}
};
