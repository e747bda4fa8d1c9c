// SPDX-License-Identifier: MIT
#include "ui/tgw.h"

#include "core/gameerror.h"
#include "core/options.h"
#include "ui/gamecontroller.h"
#include "ui/glancecontroller.h"
#include "ui/hintcontroller.h"
#include "ui/language.h"
#include "ui/mapeditorcontroller.h"
#include "ui/optionscontroller.h"
#include "ui/panels/rulespanel.h"
#include "ui/recordkeeper.h"
#include "ui/screens/gamescreen.h"
#include "ui/screens/mainmenu.h"
#include "ui/screens/mapeditorscreen.h"
#include "ui/screens/optionsscreen.h"
#include "ui/screens/skirmishscreen.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/gamestyle.h"
#include "ui/widgets/guard.h"
#include "ui/widgets/layoutkit.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/pictures.h"
#include "ui/widgets/windowdrag.h"
#include "ui/windowscaler.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <utility>

namespace gw {

Tgw::Tgw(std::unique_ptr<SoundSystem> sound, QWidget *parent)
    : QWidget(parent), sound_(sound ? std::move(sound) : makePulseSoundSystem())
{
    // The game's own look, for everything the window shows.
    useGameStyle();
    // Built in the player's language (a box while building is in it too).
    setLanguage(QString::fromStdString(OptionsFile::languageIn()));
    setObjectName("gw");
    setWindowTitle("Grimsward");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(799, 595);
    setFont(windowFont());
    centreOnScreen(this);

    // The order of creation is the order of stacking.
    PictureBox *bground = makePicture(this, "bground", {0, 0, 800, 600}, PictureBox::Fit::Stretch);
    bground->setPicture(resourcePicture("background.jpg"));
    menu_ = new MainMenu(this);
    panoptions_ = new OptionsScreen(this);
    panskirmish_ = new SkirmishScreen(this);
    pangame_ = new GameScreen(this);
    paneditor_ = new MapEditorScreen(this);
    stackWindowedOnTop(this);

    game_ = new GameController(*sound_, *pangame_, this);
    // One generator for the whole run, seeded once from the clock.
    game_->random().clockreseed();
    options_ = new OptionsController(game_->state(), *sound_, *panoptions_, *panskirmish_, this);
    editor_ = new MapEditorController(*paneditor_, this);
    mainmenuslide_ = new QTimer(this);
    mainmenuslide_->setObjectName("mainmenuslide");
    mainmenuslide_->setInterval(25);
    wireScreens();
    drag_ = new WindowDrag(this);
    rules_ = new RulesPanel(this);
    scaler_ = std::make_unique<WindowScaler>(this);
    // A new size is taken once the click or key that chose it is done, as
    // the window may move into another window or out of it.
    connect(options_, &OptionsController::windowSizeChanged, this,
            [this](WindowSize size) { scaler_->apply(size); }, Qt::QueuedConnection);

    for (Sound s : kAllSounds)
        sound_->open(s);
    mainmenuslide_->start();
    runGuarded([this](const QString &text) { showError(text); }, [this] { FormCreate(); });
    // Before the window is first shown, so it opens at its size.
    scaler_->apply(options_->windowSize());
}

Tgw::~Tgw()
{
    // The window leaves the view (if it is in one) before anything goes.
    scaler_.reset();
    for (Sound s : kAllSounds)
        sound_->close(s);
}

GameState &Tgw::state() { return game_->state(); }

Random &Tgw::random() { return game_->random(); }

void Tgw::wireScreens()
{
    // Every handler's error is shown in the "Grimsward" box.
    const auto show = [this](const QString &text) { showError(text); };
    const auto wire = [&show](auto *sender, auto signal, auto *receiver, auto handler) {
        connectGuarded(sender, signal, receiver, handler, show);
    };
    connect(mainmenuslide_, &QTimer::timeout, this, &Tgw::mainmenuslideTimer);
    wire(menu_, &MainMenu::skirmishClicked, this, &Tgw::btnskirmishClick);
    wire(menu_, &MainMenu::optionsClicked, this, &Tgw::btnoptionsClick);
    wire(menu_, &MainMenu::endClicked, this, &Tgw::btnendClick);
    wire(panoptions_, &OptionsScreen::musicClicked, options_, &OptionsController::btnmusicClick);
    wire(panoptions_, &OptionsScreen::soundClicked, options_, &OptionsController::btnsoundClick);
    wire(panoptions_, &OptionsScreen::languageClicked, options_, &OptionsController::btnlanguageClick);
    wire(panoptions_, &OptionsScreen::levelClicked, options_, &OptionsController::btnlevelClick);
    wire(panoptions_, &OptionsScreen::musicVolumeChanged, options_, &OptionsController::setMusicVolume);
    wire(panoptions_, &OptionsScreen::effectsVolumeChanged, options_, &OptionsController::setEffectsVolume);
    wire(panoptions_, &OptionsScreen::windowClicked, options_, &OptionsController::btnwindowClick);
    connect(options_, &OptionsController::levelChanged, game_, &GameController::setStartLevel);
    wire(panoptions_, &OptionsScreen::backClicked, this, &Tgw::btnoptionsbackClick);
    wire(panskirmish_, &SkirmishScreen::mapEntryChanged, panskirmish_, &SkirmishScreen::maplistChange);
    wire(panskirmish_, &SkirmishScreen::mapChosen, game_, &GameController::chooseMap);
    wire(panskirmish_, &SkirmishScreen::mapChosen, options_, &OptionsController::mapChosen);
    wire(panskirmish_, &SkirmishScreen::backClicked, this, &Tgw::btnskirmishbackClick);
    wire(panskirmish_, &SkirmishScreen::startClicked, this, &Tgw::startClicked);
    wire(panskirmish_, &SkirmishScreen::editorClicked, this, &Tgw::btnmapeditorClick);
    wire(editor_, &MapEditorController::leaveRequested, this, &Tgw::leaveEditor);
    wire(editor_, &MapEditorController::mapsChanged, this, &Tgw::ownMapsChanged);
    wire(editor_, &MapEditorController::playRequested, this, &Tgw::playOwnMap);
    connect(editor_, &MapEditorController::errorOccurred, this, &Tgw::showError);
    wire(game_, &GameController::skirmishStarted, this, &Tgw::showGameScreen);
    connect(game_, &GameController::errorOccurred, this, &Tgw::showError);
    wire(pangame_, &GameScreen::leaveClicked, this, &Tgw::returnToMainMenu);
    record_ = new RecordKeeper(*game_, *pangame_, *panskirmish_, *menu_, this);
    connect(options_, &OptionsController::levelChanged, record_, &RecordKeeper::levelChosen);
    wire(record_, &RecordKeeper::gameContinued, this, &Tgw::showGameScreen);
    new GlanceController(*game_, *pangame_, *record_, this);
    new HintController(*game_, *pangame_, *options_, *record_, this);
}

void Tgw::showError(const QString &text)
{
    QString shown = text;
    if (!shown.isEmpty() && shown.back().unicode() > u'.')
        shown += '.';
    writeErrorLine(shown);
    showMessageBox(this, QMessageBox::Critical, QStringLiteral("Grimsward"), shown);
}

// ---- The screens -------------------------------------------------------------

void Tgw::FormCreate()
{
    state().menustate = 0;
    options_->loadOptions();
    enableMenuSlide();
}

void Tgw::mainmenuslideTimer()
{
    // One tick brings the entries in step with menustate; until menustate
    // changes again (which enables the timer) a further tick would change
    // nothing, so the timer rests on every screen.
    menu_->setEntriesVisible(state().menustate == 0);
    mainmenuslide_->stop();
}

void Tgw::enableMenuSlide()
{
    if (!mainmenuslide_->isActive())
        mainmenuslide_->start();
}

void Tgw::btnskirmishClick()
{
    state().menustate = 2;
    enableMenuSlide();
    panskirmish_->show();
    refreshMapChoice();
}

void Tgw::refreshMapChoice()
{
    // The own maps are listed afresh; the list keeps its choice from an
    // earlier visit, and that is the map the start button loads.
    panskirmish_->refreshMapList();
    game_->chooseMap(panskirmish_->chosenMap());
}

void Tgw::enterSkirmishScreen()
{
    panskirmish_->show();
    refreshMapChoice();
    record_->refresh();
}

void Tgw::btnmapeditorClick()
{
    savedInEditor_.clear();
    editor_->setMapChoices(panskirmish_->mapNames());
    panskirmish_->hide();
    paneditor_->show();
    editor_->enter(panskirmish_->chosenMap());
}

void Tgw::leaveEditor()
{
    paneditor_->hide();
    enterSkirmishScreen();
    // The map made or changed last is the one the list offers.
    const std::string saved = std::exchange(savedInEditor_, std::string());
    if (!saved.empty())
        panskirmish_->chooseMapNamed(saved);
}

void Tgw::ownMapsChanged()
{
    savedInEditor_ = editor_->mapFile();
    refreshMapChoice();
    editor_->setMapChoices(panskirmish_->mapNames());
}

void Tgw::playOwnMap(const std::string &name)
{
    // The list shows the map that is started; a start that cannot read it
    // says why in its own box.
    if (!panskirmish_->chooseMapNamed(name))
        game_->chooseMap(name);
    startClicked();
}

void Tgw::btnoptionsClick()
{
    optionsSaveFailed_ = false;
    state().menustate = 1;
    panoptions_->show();
    options_->showSwitches();
    enableMenuSlide();
}

void Tgw::btnendClick()
{
    if (askYesNo(this, tr("Bestätigung"), tr("Möchten Sie wirklich beenden?")))
        close();
}

void Tgw::btnoptionsbackClick()
{
    // A failed save is shown and leaves the screen open, so the player may
    // try again; a second try leaves it all the same, the switches kept for
    // this run.
    try {
        options_->saveOptions();
    } catch (const GameError &) {
        if (!optionsSaveFailed_) {
            optionsSaveFailed_ = true;
            throw;
        }
    }
    optionsSaveFailed_ = false;
    panoptions_->hide();
    state().menustate = 0;
    enableMenuSlide();
}

void Tgw::btnskirmishbackClick()
{
    state().menustate = 0;
    panskirmish_->hide();
    enableMenuSlide();
}

void Tgw::startClicked()
{
    if (record_->confirmNewGame())
        game_->btnskirmishstartClick();
}

void Tgw::showGameScreen(const std::string &mapName)
{
    panskirmish_->hide();
    paneditor_->hide();
    pangame_->show();
    // The map played is the one remembered, also when a game of another map
    // was continued; a failure to remember it is shown once the game screen
    // is up and does not stop the game.
    panskirmish_->restoreMapChoice(mapName);
    options_->rememberMap(mapName);
}

void Tgw::returnToMainMenu()
{
    pangame_->hide();
    state().menustate = 0;
    enableMenuSlide();
    game_->leaveGame();
}

// ---- Keys --------------------------------------------------------------------

void Tgw::keyPressEvent(QKeyEvent *event)
{
    // Keys reach the window when the focused widget has no use for them.
    const Qt::KeyboardModifiers others = event->modifiers() & ~Qt::ShiftModifier;
    if (event->key() == Qt::Key_M && others == Qt::NoModifier) {
        event->accept();
        // A held key switches once.
        if (!event->isAutoRepeat())
            runGuarded([this](const QString &text) { showError(text); }, [this] { musicKeyPressed(); });
        return;
    }
    const bool escape = event->key() == Qt::Key_Escape, f11 = event->key() == Qt::Key_F11;
    if (!(escape || f11) || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (f11 && event->isAutoRepeat())
        return; // one switch per press
    runGuarded([this](const QString &text) { showError(text); },
               [this, escape] { escape ? escapePressed() : f11Pressed(); });
}

void Tgw::musicKeyPressed()
{
    const QWidget *focused = focusWidget();
    const auto *list = qobject_cast<const QComboBox *>(focused);
    if (!rules_->isHidden() || qobject_cast<const QLineEdit *>(focused) || (list && list->isEditable()))
        return;
    options_->btnmusicClick();
}

void Tgw::f11Pressed() { options_->toggleFullScreen(); }

void Tgw::escapePressed()
{
    if (!pangame_->isHidden())
        pangame_->closeTopPanel();
    else if (!paneditor_->isHidden())
        editor_->btneditorbackClick();
    else if (!panoptions_->isHidden())
        btnoptionsbackClick();
    else if (!panskirmish_->isHidden())
        btnskirmishbackClick();
    else if (state().menustate == 0)
        btnendClick();
}

} // namespace gw
