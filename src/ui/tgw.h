// SPDX-License-Identifier: MIT
#pragma once

#include "audio/soundsystem.h"
#include "core/gamestate.h"
#include "core/random.h"

#include <QWidget>

#include <memory>

namespace gw {

class GameController;
class GameScreen;
class KeyController;
class MainMenu;
class MapEditorController;
class MapEditorScreen;
class NetworkController;
class OptionsController;
class OptionsScreen;
class RecordKeeper;
class ReplayController;
class RulesPanel;
class ScreenSwitcher;
class SkirmishScreen;
class WindowDrag;
class WindowScaler;

// The main window "gw". It builds the screens and the controllers that do
// the work (the game, the options, the editor, the record, the way between
// the screens, the keys, the size it is drawn at), connects them, and shows
// the errors that escape a handler.
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
    // The screens' handlers: the menu entries, the back buttons, Escape.
    ScreenSwitcher &screens() { return *screens_; }
    ReplayController &replay() { return *replay_; }
    // Two players over the network.
    NetworkController &network() { return *network_; }
    // Draws the window at the size the options give (100 % leaves it a
    // window of its own, as it always was).
    WindowScaler &scaler() { return *scaler_; }

    // Shows an error the way an escaping handler error is shown: in a
    // "Grimsward" box, with a full stop added, and as one line on the error
    // output.
    void showError(const QString &text);

private:
    // The options screen's and the map list's signals to their handlers.
    void wireScreens();

    std::unique_ptr<SoundSystem> sound_;
    MainMenu *menu_;
    OptionsScreen *panoptions_;
    SkirmishScreen *panskirmish_;
    GameScreen *pangame_;
    MapEditorScreen *paneditor_;
    MapEditorController *editor_;
    GameController *game_;
    OptionsController *options_;
    ScreenSwitcher *screens_;
    RecordKeeper *record_;
    ReplayController *replay_;
    NetworkController *network_;
    RulesPanel *rules_;
    KeyController *keys_;
    WindowDrag *drag_;
    std::unique_ptr<WindowScaler> scaler_;
};

} // namespace gw
