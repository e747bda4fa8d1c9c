// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/framewidgets.h"
#include "ui/windowsize.h"

#include <cstdint>

class QPushButton;
class QSlider;

namespace gw {

class PictureBox;
class TextLabel;

// The options screen: the music and sound switches, the language, the
// opponent's level, the window's size, the hints for a new player, and the
// way back.
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
    // The two volumes in percent, beside the switches; shown, not announced.
    void showVolumes(int music, int effects);
    // "* 100 % *", "* 150 % *", "* 200 % *" or "* Vollbild *".
    void showWindowSize(WindowSize size);
    // The hints' switch: "* Eingeschaltet *" or "* Ausgeschaltet *".
    void showHints(bool on);

signals:
    void musicClicked();
    void soundClicked();
    void languageClicked();
    void levelClicked();
    // The player moved a volume control: 0 to 100 percent in steps of 10.
    void musicVolumeChanged(int percent);
    void effectsVolumeChanged(int percent);
    void windowClicked();
    void hintsClicked();
    void backClicked();

protected:
    void retranslate() override;

private:
    QSlider *makeVolumeControl(const QString &name, const QRect &place, TextLabel *&percentLabel,
                               void (OptionsScreen::*changed)(int));

    TextLabel *labmusic_, *labsound_, *lablanguage_, *lablevel_, *labwindow_, *labhints_;
    QSlider *trkmusicvolume_, *trkeffectsvolume_;
    TextLabel *labmusicvolume_, *labeffectsvolume_;
    PictureBox *back_;
    QPushButton *btnmusic_, *btnsound_, *btnlanguage_, *btnlevel_, *btnwindow_, *btnhints_;
    int32_t musicon_ = 1, soundon_ = 1, level_ = 0;
    WindowSize windowSize_ = WindowSize::Normal;
    bool hints_ = true;
};

} // namespace gw
