// SPDX-License-Identifier: MIT
#include "recordingsound.h"

#include "core/gameerror.h"

void RecordingSound::open(gw::Sound s)
{
    record("open", s);
    if (failing_.count(s))
        throw gw::GameError::cannotOpen(gw::soundFilePath(s));
}

void RecordingSound::setVolume(gw::Sound s, int percent)
{
    if (volumes_)
        volumes_->push_back(std::string("volume ") + gw::soundPlayerName(s) + " " + std::to_string(percent));
}

std::vector<std::string> callsOf(const RecordingSound::Log &log, const std::vector<std::string> &verbs)
{
    std::vector<std::string> out;
    for (const std::string &entry : *log) {
        for (const std::string &v : verbs) {
            if (entry.compare(0, v.size() + 1, v + " ") == 0)
                out.push_back(entry);
        }
    }
    return out;
}
