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
class MapEditorController;
class MapEditorScreen;
class OptionsController;
class OptionsScreen;
class RecordKeeper;
class ReplayController;
class RulesPanel;
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
    MapEditorController &editor() { return *editor_; }
    ReplayController &replay() { return *replay_; }
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
    // "Karteneditor" on the skirmish screen, and the editor's way back.
    void btnmapeditorClick();
    void leaveEditor();
    // The editor saved or deleted an own map: the lists show it.
    void ownMapsChanged();
    // "Spielen" in the editor: a skirmish on the map just saved, through
    // the start button's way (and its question when a game is saved).
    void playOwnMap(const std::string &name);
    // "Starten": with a game saved, the player is asked first, since the
    // new game takes the save's place.
    void startClicked();
    void showGameScreen(const std::string &mapName);
    // "Beenden" on the game screen, or a result panel's button.
    void returnToMainMenu();
    // Escape: closes the game screen's topmost panel, leaves the editor (as
    // its "Zurück"), the options or skirmish screen, or asks the quit
    // question on the main menu.
    void escapePressed();
    // M: the music switch, as if "btnmusic" were pressed, on every screen;
    // not while a text field has the focus or the rules are open (a box
    // takes every key itself).
    void musicKeyPressed();
    // F11, on every screen: full screen, or back to the size before it.
    void f11Pressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void wireScreens();
    // The skirmish screen as it opens: the own maps listed afresh, the map
    // in force chosen, its record shown.
    void enterSkirmishScreen();
    // The map list filled afresh, and its choice the map a start loads.
    void refreshMapChoice();

    std::unique_ptr<SoundSystem> sound_;
    MainMenu *menu_;
    OptionsScreen *panoptions_;
    SkirmishScreen *panskirmish_;
    GameScreen *pangame_;
    MapEditorScreen *paneditor_;
    MapEditorController *editor_;
    GameController *game_;
    OptionsController *options_;
    RecordKeeper *record_ = nullptr;
    ReplayController *replay_ = nullptr;
    RulesPanel *rules_;
    QTimer *mainmenuslide_;
    // The options could not be written when the screen was last left; the
    // next try leaves it whatever happens, so the player is never trapped.
    bool optionsSaveFailed_ = false;
    // The own map saved last in this visit of the editor, which the list
    // offers when the editor is left.
    std::string savedInEditor_;
    WindowDrag *drag_;
    std::unique_ptr<WindowScaler> scaler_;
};

} // namespace gw
