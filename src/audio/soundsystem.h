// SPDX-License-Identifier: MIT
#pragma once

#include "core/sound.h"

#include <memory>
#include <string>

namespace gw {

// The four sound players of the window. Open checks and binds a player's
// file; Play starts it (from the start when it had run to its end), Stop
// halts it and keeps the position, Rewind moves it back to the start and
// ends a playback in progress, Close releases the file. SetVolume sets a
// player's loudness, which holds for what plays and for every later Play.
class SoundSystem {
public:
    virtual ~SoundSystem() = default;

    // Throws GameError when the file cannot be opened or its first frame
    // does not decode.
    virtual void open(Sound sound) = 0;
    virtual void play(Sound sound) = 0;
    virtual void stop(Sound sound) = 0;
    virtual void rewind(Sound sound) = 0;
    virtual void close(Sound sound) = 0;
    // 0 (silent) to 100 (the file's own level) percent; heard at once on a
    // sound that plays. Plays and stops nothing: a player at 0 that plays
    // goes on playing, silently. Every player starts at 100.
    virtual void setVolume(Sound sound, int percent) = 0;
};

// All four players in the order the window opens them.
constexpr Sound kAllSounds[] = {Sound::FightBg, Sound::Fight, Sound::Defend, Sound::BgMusic};

// "sound\bgmusic.mp3" and its siblings, as the program writes them.
std::string soundFilePath(Sound sound);

// The player's name in the window: "sbgmusic", "sfightbg", "sfight", "sdefend".
const char *soundPlayerName(Sound sound);

// The players the game uses: each file decoded with libmpg123 as it plays
// and played on the session's PulseAudio (or PipeWire) server, one stream
// per playing sound. Without a server the players stay silent.
std::unique_ptr<SoundSystem> makePulseSoundSystem();

} // namespace gw
