// SPDX-License-Identifier: MIT
#include "ui/screenswitcher.h"

#include "core/gameerror.h"
#include "ui/gamecontroller.h"
#include "ui/mapeditorcontroller.h"
#include "ui/optionscontroller.h"
#include "ui/recordkeeper.h"
#include "ui/screens/gamescreen.h"
#include "ui/screens/mainmenu.h"
#include "ui/screens/mapeditorscreen.h"
#include "ui/screens/optionsscreen.h"
#include "ui/screens/skirmishscreen.h"
#include "ui/widgets/guard.h"
#include "ui/widgets/messagebox.h"

#include <QTimer>
#include <QWidget>

#include <utility>

namespace gw {

ScreenSwitcher::ScreenSwitcher(QWidget *window, const Screens &screens, GameController &game,
                               OptionsController &options, MapEditorController &editor,
                               std::function<void(const QString &)> report)
    : QObject(window), window_(window), screens_(screens), game_(game), options_(options), editor_(editor),
      report_(std::move(report)), mainmenuslide_(new QTimer(this))
{
    mainmenuslide_->setObjectName("mainmenuslide");
    mainmenuslide_->setInterval(25);
    connect(mainmenuslide_, &QTimer::timeout, this, &ScreenSwitcher::mainmenuslideTimer);
    const auto wire = [this](auto *sender, auto signal, auto handler) {
        connectGuarded(sender, signal, this, handler, report_);
    };
    wire(&screens.menu, &MainMenu::skirmishClicked, &ScreenSwitcher::btnskirmishClick);
    wire(&screens.menu, &MainMenu::optionsClicked, &ScreenSwitcher::btnoptionsClick);
    wire(&screens.menu, &MainMenu::endClicked, &ScreenSwitcher::btnendClick);
    wire(&screens.options, &OptionsScreen::backClicked, &ScreenSwitcher::btnoptionsbackClick);
    wire(&screens.skirmish, &SkirmishScreen::backClicked, &ScreenSwitcher::btnskirmishbackClick);
    wire(&screens.skirmish, &SkirmishScreen::startClicked, &ScreenSwitcher::startClicked);
    wire(&screens.skirmish, &SkirmishScreen::editorClicked, &ScreenSwitcher::btnmapeditorClick);
    wire(&editor, &MapEditorController::leaveRequested, &ScreenSwitcher::leaveEditor);
    wire(&editor, &MapEditorController::mapsChanged, &ScreenSwitcher::ownMapsChanged);
    wire(&editor, &MapEditorController::playRequested, &ScreenSwitcher::playOwnMap);
    wire(&game, &GameController::skirmishStarted, &ScreenSwitcher::showGameScreen);
    wire(&screens.game, &GameScreen::leaveClicked, &ScreenSwitcher::returnToMainMenu);
    mainmenuslide_->start();
}

void ScreenSwitcher::setRecordKeeper(RecordKeeper &record)
{
    record_ = &record;
    connectGuarded(&record, &RecordKeeper::gameContinued, this, &ScreenSwitcher::showGameScreen, report_);
}

GameState &ScreenSwitcher::state() { return game_.state(); }

void ScreenSwitcher::FormCreate()
{
    state().menustate = 0;
    options_.loadOptions();
    enableMenuSlide();
}

void ScreenSwitcher::mainmenuslideTimer()
{
    // One tick brings the entries in step with menustate; until menustate
    // changes again (which enables the timer) a further tick would change
    // nothing, so the timer rests on every screen.
    screens_.menu.setEntriesVisible(state().menustate == 0);
    mainmenuslide_->stop();
}

void ScreenSwitcher::enableMenuSlide()
{
    if (!mainmenuslide_->isActive())
        mainmenuslide_->start();
}

void ScreenSwitcher::btnskirmishClick()
{
    state().menustate = 2;
    enableMenuSlide();
    screens_.skirmish.show();
    refreshMapChoice();
}

void ScreenSwitcher::refreshMapChoice()
{
    // The own maps are listed afresh; the list keeps its choice from an
    // earlier visit, and that is the map the start button loads.
    screens_.skirmish.refreshMapList();
    game_.chooseMap(screens_.skirmish.chosenMap());
}

void ScreenSwitcher::enterSkirmishScreen()
{
    screens_.skirmish.show();
    refreshMapChoice();
    record_->refresh();
}

void ScreenSwitcher::btnmapeditorClick()
{
    savedInEditor_.clear();
    editor_.setMapChoices(screens_.skirmish.mapNames());
    screens_.skirmish.hide();
    screens_.editor.show();
    editor_.enter(screens_.skirmish.chosenMap());
}

void ScreenSwitcher::leaveEditor()
{
    screens_.editor.hide();
    enterSkirmishScreen();
    // The map made or changed last is the one the list offers.
    const std::string saved = std::exchange(savedInEditor_, std::string());
    if (!saved.empty())
        screens_.skirmish.chooseMapNamed(saved);
}

void ScreenSwitcher::ownMapsChanged()
{
    savedInEditor_ = editor_.mapFile();
    refreshMapChoice();
    editor_.setMapChoices(screens_.skirmish.mapNames());
}

void ScreenSwitcher::playOwnMap(const std::string &name)
{
    // The list shows the map that is started; a start that cannot read it
    // says why in its own box.
    if (!screens_.skirmish.chooseMapNamed(name))
        game_.chooseMap(name);
    startClicked();
}

void ScreenSwitcher::btnoptionsClick()
{
    optionsSaveFailed_ = false;
    state().menustate = 1;
    screens_.options.show();
    options_.showSwitches();
    enableMenuSlide();
}

void ScreenSwitcher::btnendClick()
{
    if (askYesNo(window_, tr("Bestätigung"), tr("Möchten Sie wirklich beenden?")))
        window_->close();
}

void ScreenSwitcher::btnoptionsbackClick()
{
    // A failed save is shown and leaves the screen open, so the player may
    // try again; a second try leaves it all the same, the switches kept for
    // this run.
    try {
        options_.saveOptions();
    } catch (const GameError &) {
        if (!optionsSaveFailed_) {
            optionsSaveFailed_ = true;
            throw;
        }
    }
    optionsSaveFailed_ = false;
    screens_.options.hide();
    state().menustate = 0;
    enableMenuSlide();
}

void ScreenSwitcher::btnskirmishbackClick()
{
    state().menustate = 0;
    screens_.skirmish.hide();
    enableMenuSlide();
}

void ScreenSwitcher::startClicked()
{
    if (record_->confirmNewGame())
        game_.btnskirmishstartClick();
}

void ScreenSwitcher::showGameScreen(const std::string &mapName)
{
    screens_.skirmish.hide();
    screens_.editor.hide();
    screens_.game.show();
    // The map played is the one remembered, also when a game of another map
    // was continued; a failure to remember it is shown once the game screen
    // is up and does not stop the game.
    screens_.skirmish.restoreMapChoice(mapName);
    options_.rememberMap(mapName);
}

void ScreenSwitcher::returnToMainMenu()
{
    screens_.game.hide();
    state().menustate = 0;
    enableMenuSlide();
    game_.leaveGame();
}

void ScreenSwitcher::escapePressed()
{
    if (!screens_.game.isHidden())
        screens_.game.closeTopPanel();
    else if (!screens_.editor.isHidden())
        editor_.btneditorbackClick();
    else if (!screens_.options.isHidden())
        btnoptionsbackClick();
    else if (!screens_.skirmish.isHidden())
        btnskirmishbackClick();
    else if (state().menustate == 0)
        btnendClick();
}

} // namespace gw
