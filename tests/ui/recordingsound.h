// SPDX-License-Identifier: MIT
#pragma once

#include "audio/soundsystem.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

// A sound system that plays nothing and writes every call into a shared log
// ("play sbgmusic", "stop sfightbg", ...), so tests can check the order.
// Volume calls go to a log of their own ("volume sbgmusic 50"), when one is
// given, so the playing log stays as it is.
class RecordingSound : public gw::SoundSystem {
public:
    using Log = std::shared_ptr<std::vector<std::string>>;

    explicit RecordingSound(Log log, std::set<gw::Sound> failing = {}, Log volumes = nullptr)
        : log_(std::move(log)), failing_(std::move(failing)), volumes_(std::move(volumes)) {}

    void open(gw::Sound s) override;
    void play(gw::Sound s) override { record("play", s); }
    void stop(gw::Sound s) override { record("stop", s); }
    void rewind(gw::Sound s) override { record("rewind", s); }
    void close(gw::Sound s) override { record("close", s); }
    void setVolume(gw::Sound s, int percent) override;

private:
    void record(const char *what, gw::Sound s) { log_->push_back(std::string(what) + " " + gw::soundPlayerName(s)); }

    Log log_;
    std::set<gw::Sound> failing_;
    Log volumes_;
};

// The log's entries that start with one of the words, in order.
std::vector<std::string> callsOf(const RecordingSound::Log &log, const std::vector<std::string> &verbs);
