// SPDX-License-Identifier: MIT
#pragma once

#include "audio/soundsystem.h"
#include "core/gamestate.h"
#include "core/random.h"

#include <QWidget>

#include <memory>

class QKeyEvent;
class QTimer;

namespace gw {

class GameController;
class GameScreen;
class MainMenu;
class OptionsController;
class OptionsScreen;
class RecordKeeper;
class SkirmishScreen;
class WindowDrag;
class WindowScaler;

// The main window "gw". It builds the screens, the game controller and the
// options, connects them, switches between the screens and shows the errors
// that escape a handler. The game itself is the controller's.
class Tgw : public QWidget {
    Q_OBJECT
public:
    // Builds the layout and opens the four sound players (throws GameError
    // when one cannot be opened), then runs FormCreate. Without a sound
    // system the game's own players are used.
    explicit Tgw(std::unique_ptr<SoundSystem> sound = nullptr, QWidget *parent = nullptr);
    ~Tgw() override;

    GameState &state();
    Random &random();
    GameController &game() { return *game_; }
    OptionsController &options() { return *options_; }
    // Draws the window at the size the options give (100 % leaves it a
    // window of its own, as it always was).
    WindowScaler &scaler() { return *scaler_; }

    // Shows an error the way an escaping handler error is shown: in a
    // "Grimsward" box, with a full stop added, and as one line on the error
    // output.
    void showError(const QString &text);

    // Screen switching. Every change of menustate enables mainmenuslide, so
    // the menu entries follow at its next tick; that tick stops the timer.
    void FormCreate();
    void mainmenuslideTimer();
    void enableMenuSlide();
    void btnskirmishClick();
    void btnoptionsClick();
    void btnendClick();
    void btnoptionsbackClick();
    void btnskirmishbackClick();
    // "Starten": with a game saved, the player is asked first, since the
    // new game takes the save's place.
    void startClicked();
    void showGameScreen(const std::string &mapName);
    // "Beenden" on the game screen, or a result panel's button.
    void returnToMainMenu();
    // Escape: closes the game screen's topmost panel, leaves the options or
    // skirmish screen, or asks the quit question on the main menu.
    void escapePressed();
    // F11, on every screen: full screen, or back to the size before it.
    void f11Pressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void wireScreens();

    std::unique_ptr<SoundSystem> sound_;
    MainMenu *menu_;
    OptionsScreen *panoptions_;
    SkirmishScreen *panskirmish_;
    GameScreen *pangame_;
    GameController *game_;
    OptionsController *options_;
    RecordKeeper *record_ = nullptr;
    QTimer *mainmenuslide_;
    // The options could not be written when the screen was last left; the
    // next try leaves it whatever happens, so the player is never trapped.
    bool optionsSaveFailed_ = false;
    WindowDrag *drag_;
    std::unique_ptr<WindowScaler> scaler_;
};

} // namespace gw
