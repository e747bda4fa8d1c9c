// SPDX-License-Identifier: MIT
#pragma once

#include "ui/framewidgets.h"

#include <cstdint>

class QPushButton;

namespace gw {

// The options screen: the music and sound switches and the way back.
class OptionsScreen : public Panel {
    Q_OBJECT
public:
    explicit OptionsScreen(QWidget *window);

    // "* Eingeschaltet *" for 1, the only value that switches anything on;
    // "* Ausgeschaltet *" for any other.
    void showMusicSwitch(int32_t musicon);
    void showSoundSwitch(int32_t soundon);

signals:
    void musicClicked();
    void soundClicked();
    void backClicked();

private:
    QPushButton *btnmusic_, *btnsound_;
};

} // namespace gw
