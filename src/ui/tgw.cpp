// SPDX-License-Identifier: MIT
#include "ui/tgw.h"

#include "core/options.h"
#include "ui/gamecontroller.h"
#include "ui/gamereportcontroller.h"
#include "ui/glancecontroller.h"
#include "ui/hintcontroller.h"
#include "ui/hotseatcontroller.h"
#include "ui/keycontroller.h"
#include "ui/language.h"
#include "ui/mapeditorcontroller.h"
#include "ui/networkcontroller.h"
#include "ui/optionscontroller.h"
#include "ui/panels/rulespanel.h"
#include "ui/recordkeeper.h"
#include "ui/replaycontroller.h"
#include "ui/screens/gamescreen.h"
#include "ui/screens/mainmenu.h"
#include "ui/screens/mapeditorscreen.h"
#include "ui/screens/optionsscreen.h"
#include "ui/screens/skirmishscreen.h"
#include "ui/screenswitcher.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/gamestyle.h"
#include "ui/widgets/guard.h"
#include "ui/widgets/layoutkit.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/pictures.h"
#include "ui/widgets/windowdrag.h"
#include "ui/windowscaler.h"

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
    const auto show = [this](const QString &text) { showError(text); };
    // The way between the screens is connected first, the record after it,
    // so a damaged save is reported with the skirmish screen already up.
    screens_ = new ScreenSwitcher(this, {*menu_, *panoptions_, *panskirmish_, *pangame_, *paneditor_}, *game_,
                                  *options_, *editor_, show);
    wireScreens();
    auto *hotSeat = new HotSeatController(*game_, pangame_->cover(), this);
    network_ = new NetworkController(*panskirmish_, *pangame_, *game_, this);
    record_ = new RecordKeeper(*game_, *pangame_, *panskirmish_, *menu_, this);
    screens_->setRecordKeeper(*record_);
    network_->setRecordKeeper(*record_);
    connect(options_, &OptionsController::levelChanged, record_, &RecordKeeper::levelChosen);
    connect(options_, &OptionsController::levelChanged, network_, &NetworkController::levelChosen);
    connect(network_, &NetworkController::errorOccurred, this, &Tgw::showError);
    connect(record_, &RecordKeeper::gameContinued, hotSeat, &HotSeatController::gameContinued);
    new GlanceController(*game_, *pangame_, *record_, this);
    new HintController(*game_, *pangame_, *options_, *record_, this);
    new GameReportController(*game_, *record_, *pangame_, this);
    replay_ = new ReplayController(*game_, *pangame_, this);
    connectGuarded(panskirmish_, &SkirmishScreen::replayClicked, replay_, &ReplayController::btnreplayClick, show);
    connect(replay_, &ReplayController::errorOccurred, this, &Tgw::showError);
    connect(replay_, &ReplayController::opened, this, [this] { panskirmish_->hide(), pangame_->show(); });
    connect(replay_, &ReplayController::closed, this, [this] { pangame_->hide(), screens_->enterSkirmishScreen(); });
    drag_ = new WindowDrag(this);
    rules_ = new RulesPanel(this);
    keys_ = new KeyController(this, *screens_, *options_, *rules_, show);

    for (Sound s : kAllSounds)
        sound_->open(s);
    runGuarded(show, [this] { screens_->FormCreate(); });
    // Before the window is first shown, so it opens at its size.
    scaler_ = std::make_unique<WindowScaler>(this);
    scaler_->follow(*options_);
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
    wire(panoptions_, &OptionsScreen::musicClicked, options_, &OptionsController::btnmusicClick);
    wire(panoptions_, &OptionsScreen::soundClicked, options_, &OptionsController::btnsoundClick);
    wire(panoptions_, &OptionsScreen::languageClicked, options_, &OptionsController::btnlanguageClick);
    wire(panoptions_, &OptionsScreen::levelClicked, options_, &OptionsController::btnlevelClick);
    wire(panoptions_, &OptionsScreen::musicVolumeChanged, options_, &OptionsController::setMusicVolume);
    wire(panoptions_, &OptionsScreen::effectsVolumeChanged, options_, &OptionsController::setEffectsVolume);
    wire(panoptions_, &OptionsScreen::windowClicked, options_, &OptionsController::btnwindowClick);
    connect(options_, &OptionsController::levelChanged, game_, &GameController::setStartLevel);
    wire(panskirmish_, &SkirmishScreen::mapEntryChanged, panskirmish_, &SkirmishScreen::maplistChange);
    wire(panskirmish_, &SkirmishScreen::mapChosen, game_, &GameController::chooseMap);
    wire(panskirmish_, &SkirmishScreen::mapChosen, options_, &OptionsController::mapChosen);
    wire(panskirmish_, &SkirmishScreen::playersChosen, game_, &GameController::setStartPlayers);
    connect(editor_, &MapEditorController::errorOccurred, this, &Tgw::showError);
    connect(game_, &GameController::errorOccurred, this, &Tgw::showError);
}

void Tgw::showError(const QString &text)
{
    QString shown = text;
    if (!shown.isEmpty() && shown.back().unicode() > u'.')
        shown += '.';
    writeErrorLine(shown);
    showMessageBox(this, QMessageBox::Critical, QStringLiteral("Grimsward"), shown);
}

} // namespace gw
