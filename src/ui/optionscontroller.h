// SPDX-License-Identifier: MIT
#pragma once

#include "core/options.h"
#include "ui/windowsize.h"

#include <QObject>

class QTimer;

namespace gw {

class OptionsScreen;
class SkirmishScreen;
class SoundSystem;
struct GameState;

// The program's switches and their file: reads options.cfg at start-up,
// switches the music, the battle sounds and the language, sets their
// volumes, writes the file
// when the options screen is left and the map when a skirmish starts, and
// restarts the music every 116 seconds.
class OptionsController : public QObject {
    Q_OBJECT
public:
    OptionsController(GameState &state, SoundSystem &sound, OptionsScreen &screen, SkirmishScreen &skirmish,
                      QObject *parent);

    // Start-up: reads the file, takes its language, offers its remembered
    // map, takes the two switches and starts the music when it is on. Throws GameError at the
    // first step that fails; the steps after it are skipped.
    void loadOptions();
    // The options screen opens with the switches as they are.
    void showSwitches();
    void btnmusicClick();
    void btnsoundClick();
    // The next language, round the list.
    void btnlanguageClick();
    // The next level of the opponent, round Leicht, Mittel, Schwer. It is the
    // level of the next game started; a game in progress keeps its own.
    void btnlevelClick();
    int32_t level() const { return level_; }
    // The music's and the three battle sounds' volume, 0 to 100 percent in
    // steps of 10; heard at once, kept in the file. The switches stay as they
    // are: a volume of 0 switches nothing off.
    void setMusicVolume(int percent);
    void setEffectsVolume(int percent);
    int musicVolume() const { return musicVolume_; }
    int effectsVolume() const { return effectsVolume_; }
    // The next window size round those that fit the screen; it applies at
    // once and is kept with the other options.
    void btnwindowClick();
    // F11: full screen, or back to the size before it.
    void toggleFullScreen();
    // The size in force: the file's after start-up (the largest that fits
    // when the file's does not), then the player's choice.
    WindowSize windowSize() const { return windowSize_; }
    // "Tipps": the hints for a new player. On until the first game is
    // decided, unless the file says otherwise; the player's own choice is
    // kept from then on.
    void btnhintsClick();
    bool hintsOn() const { return hints_; }
    // A game was decided: the hints that were on only by default go off
    // (and the file says so at once). Throws GameError::cannotCreate when
    // the file cannot be written.
    void gameFinished();
    // Writes the map, the two switches and the language into the file, the
    // file's other lines kept. Throws GameError::cannotCreate when it cannot be written.
    void saveOptions();
    // A skirmish started or was continued: the map is the one the next
    // start-up offers. Throws GameError::cannotCreate when the file cannot be
    // written.
    void rememberMap(const std::string &name);
    // A map was chosen in the list: the next save of the options keeps it.
    void mapChosen(const std::string &name) { lastMap_ = name; }
    void tmusicrewindTimer();

signals:
    // The level a new game starts at, after start-up and on every change.
    void levelChanged(int32_t level);
    // The player chose another window size (not sent at start-up).
    void windowSizeChanged(WindowSize size);
    // The hints were switched on or off.
    void hintsChanged(bool on);

private:
    GameState &state_;
    SoundSystem &sound_;
    OptionsScreen &screen_;
    SkirmishScreen &skirmish_;
    OptionsFile options_;
    // The map chosen or played last; the list's choice until there is one.
    std::string lastMap_;
    int32_t level_ = 0;
    int musicVolume_ = 100, effectsVolume_ = 100;
    WindowSize windowSize_ = WindowSize::Normal;
    // The size F11 goes back to from full screen.
    WindowSize beforeFull_ = WindowSize::Normal;
    bool hints_ = true;
    // The hints' setting is the player's (or a finished game's), not the
    // default.
    bool hintsChosen_ = false;
    QTimer *tmusicrewind_;
};

} // namespace gw
