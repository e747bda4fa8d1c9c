// SPDX-License-Identifier: MIT
#pragma once

#include "ui/framewidgets.h"
#include "ui/windowsize.h"

#include <cstdint>

class QPushButton;

namespace gw {

class PictureBox;
class TextLabel;

// The options screen: the music and sound switches, the language, the
// opponent's level, the window's size, and the way back.
class OptionsScreen : public Panel {
    Q_OBJECT
public:
    explicit OptionsScreen(QWidget *window);

    // "* Eingeschaltet *" for 1, the only value that switches anything on;
    // "* Ausgeschaltet *" for any other.
    void showMusicSwitch(int32_t musicon);
    void showSoundSwitch(int32_t soundon);
    // The current language's own name, "* Deutsch *".
    void showLanguage();
    // "* Leicht *", "* Mittel *" or "* Schwer *".
    void showLevel(int32_t level);
    // "* 100 % *", "* 150 % *", "* 200 % *" or "* Vollbild *".
    void showWindowSize(WindowSize size);

signals:
    void musicClicked();
    void soundClicked();
    void languageClicked();
    void levelClicked();
    void windowClicked();
    void backClicked();

protected:
    void retranslate() override;

private:
    TextLabel *labmusic_, *labsound_, *lablanguage_, *lablevel_, *labwindow_;
    PictureBox *back_;
    QPushButton *btnmusic_, *btnsound_, *btnlanguage_, *btnlevel_, *btnwindow_;
    int32_t musicon_ = 1, soundon_ = 1, level_ = 0;
    WindowSize windowSize_ = WindowSize::Normal;
};

} // namespace gw
