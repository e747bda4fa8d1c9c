// SPDX-License-Identifier: MIT
#pragma once

#include "audio/soundsystem.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

// A sound system that plays nothing and writes every call into a shared log
// ("play sbgmusic", "stop sfightbg", ...), so tests can check the order.
class RecordingSound : public gw::SoundSystem {
public:
    using Log = std::shared_ptr<std::vector<std::string>>;

    explicit RecordingSound(Log log, std::set<gw::Sound> failing = {})
        : log_(std::move(log)), failing_(std::move(failing)) {}

    void open(gw::Sound s) override;
    void play(gw::Sound s) override { record("play", s); }
    void stop(gw::Sound s) override { record("stop", s); }
    void rewind(gw::Sound s) override { record("rewind", s); }
    void close(gw::Sound s) override { record("close", s); }

private:
    void record(const char *what, gw::Sound s) { log_->push_back(std::string(what) + " " + gw::soundPlayerName(s)); }

    Log log_;
    std::set<gw::Sound> failing_;
};

// The log's entries that start with one of the words, in order.
std::vector<std::string> callsOf(const RecordingSound::Log &log, const std::vector<std::string> &verbs);
