// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QTimer;
class QWidget;

namespace gw {

class GameController;
class GameScreen;
class MainMenu;
class MapEditorController;
class MapEditorScreen;
class OptionsController;
class OptionsScreen;
class RecordKeeper;
class SkirmishScreen;
struct GameState;

// The way between the screens: the main menu's entries, the back buttons,
// the skirmish screen's start and editor buttons, the editor's way back,
// the game screen's "Beenden" and Escape; menustate and the menu timer
// that keeps the menu pictures in step with it. It connects its handlers
// to the screens itself; a handler's error goes to `report`.
class ScreenSwitcher : public QObject {
    Q_OBJECT
public:
    struct Screens {
        MainMenu &menu;
        OptionsScreen &options;
        SkirmishScreen &skirmish;
        GameScreen &game;
        MapEditorScreen &editor;
    };
    ScreenSwitcher(QWidget *window, const Screens &screens, GameController &game, OptionsController &options,
                   MapEditorController &editor, std::function<void(const QString &)> report);
    // The record keeper, made once the switcher's handlers are connected so
    // a damaged save is reported with the skirmish screen already up.
    void setRecordKeeper(RecordKeeper &record);

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
    // The skirmish screen as it opens: the own maps listed afresh, the map
    // in force chosen, its record shown.
    void enterSkirmishScreen();

private:
    GameState &state();
    // The map list filled afresh, and its choice the map a start loads.
    void refreshMapChoice();

    QWidget *window_;
    Screens screens_;
    GameController &game_;
    OptionsController &options_;
    MapEditorController &editor_;
    std::function<void(const QString &)> report_;
    RecordKeeper *record_ = nullptr;
    QTimer *mainmenuslide_;
    // The options could not be written when the screen was last left; the
    // next try leaves it whatever happens, so the player is never trapped.
    bool optionsSaveFailed_ = false;
    // The own map saved last in this visit of the editor, which the list
    // offers when the editor is left.
    std::string savedInEditor_;
};

} // namespace gw
