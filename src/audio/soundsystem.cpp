// SPDX-License-Identifier: MIT
#include "audio/soundsystem.h"

namespace gw {

std::string soundFilePath(Sound sound)
{
    switch (sound) {
    case Sound::BgMusic: return "sound\\bgmusic.mp3";
    case Sound::FightBg: return "sound\\fightbg.mp3";
    case Sound::Fight: return "sound\\machenfertig.mp3";
    case Sound::Defend: return "sound\\wirwerden.mp3";
    }
    return {};
}

const char *soundPlayerName(Sound sound)
{
    switch (sound) {
    case Sound::BgMusic: return "sbgmusic";
    case Sound::FightBg: return "sfightbg";
    case Sound::Fight: return "sfight";
    case Sound::Defend: return "sdefend";
    }
    return "";
}

} // namespace gw
