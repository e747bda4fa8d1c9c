// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace assetgen {

// Writes bgmusic.mp3, fightbg.mp3, machenfertig.mp3 and wirwerden.mp3 into
// `dir`. Synthesises to WAV with our own code, speaks the calls with
// espeak-ng and encodes with lame; stops with a message if either is missing.
void makeSounds(const QString &dir);

} // namespace assetgen
