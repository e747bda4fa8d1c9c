// SPDX-License-Identifier: MIT
#include "ui/optionscontroller.h"

#include "audio/soundsystem.h"
#include "core/gamestate.h"
#include "core/strtoint.h"
#include "ui/language.h"
#include "ui/screens/optionsscreen.h"
#include "ui/screens/skirmishscreen.h"
#include "ui/windowscaler.h"

#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace gw {

namespace {
// The options file's keys for the opponent's level, the two volumes and
// the window's size.
const char *const kLevelKey = "level";
const char *const kWindowKey = "window";
const char *const kMusicVolumeKey = "musicvolume";
const char *const kEffectsVolumeKey = "effectsvolume";
const char *const kHintsKey = "hints";
constexpr int kFullVolume = 100;

// A number the file holds, from lo to hi in steps of `step`; anything else,
// a missing line included, is the fallback, without a box.
int numberIn(const OptionsFile &options, const char *key, int lo, int hi, int step, int fallback)
{
    int32_t value = 0;
    if (!tryStrtoint(options.setting(key), value) || value < lo || value > hi || (value - lo) % step != 0)
        return fallback;
    return value;
}

int volumeIn(const OptionsFile &options, const char *key) { return numberIn(options, key, 0, kFullVolume, 10, kFullVolume); }

// A setting needs no line while it is the default; a file that has the line
// keeps it up to date.
void keepSetting(OptionsFile &options, const char *key, const std::string &value, const std::string &defaultValue)
{
    if (value != defaultValue || !options.setting(key).empty())
        options.setSetting(key, value);
}

void keepSetting(OptionsFile &options, const char *key, int value, int defaultValue)
{
    keepSetting(options, key, std::to_string(value), std::to_string(defaultValue));
}

constexpr Sound kEffects[] = {Sound::FightBg, Sound::Fight, Sound::Defend};

// The nearest step of 10 within 0..100.
int volumeStep(int percent) { return std::clamp((percent + 5) / 10 * 10, 0, kFullVolume); }

// The sizes that fit the screen the widget is shown on (the primary screen
// before anything is shown).
std::vector<WindowSize> sizesFittingScreenOf(const QWidget *widget)
{
    const QScreen *screen = screenWindowOf(widget)->screen();
    return offeredWindowSizes(screen ? screen->availableGeometry().size() : kLayoutSize);
}
} // namespace

OptionsController::OptionsController(GameState &state, SoundSystem &sound, OptionsScreen &screen,
                                     SkirmishScreen &skirmish, QObject *parent)
    : QObject(parent), state_(state), sound_(sound), screen_(screen), skirmish_(skirmish),
      tmusicrewind_(new QTimer(this))
{
    tmusicrewind_->setObjectName("tmusicrewind");
    tmusicrewind_->setInterval(116000);
    // A coarse timer may be half a second off on so long an interval.
    tmusicrewind_->setTimerType(Qt::PreciseTimer);
    connect(tmusicrewind_, &QTimer::timeout, this, &OptionsController::tmusicrewindTimer);
    tmusicrewind_->start();
    // Until a file says otherwise: 100 %, or full screen where a window of
    // 100 % would not fit whole.
    windowSize_ = fittingWindowSize(WindowSize::Normal, sizesFittingScreenOf(&screen_));
    connect(&screen, &OptionsScreen::hintsClicked, this, &OptionsController::btnhintsClick);
}

void OptionsController::loadOptions()
{
    options_.load();
    // The level: 0, 1 or 2; anything else is "Leicht", without a box.
    level_ = numberIn(options_, kLevelKey, 0, 2, 1, 0);
    emit levelChanged(level_);
    setMusicVolume(volumeIn(options_, kMusicVolumeKey));
    setEffectsVolume(volumeIn(options_, kEffectsVolumeKey));
    // The window: 100, 150, 200 or full; anything else is 100 %, without a
    // box, and a size the screen no longer holds is the largest it does.
    const WindowSize wanted = windowSizeFromKey(options_.setting(kWindowKey)).value_or(WindowSize::Normal);
    windowSize_ = fittingWindowSize(wanted, sizesFittingScreenOf(&screen_));
    // The hints: 1 on, 0 off; without the line, or with another value, on
    // until the first game is decided.
    const std::string hints = options_.setting(kHintsKey);
    hintsChosen_ = hints == "0" || hints == "1";
    hints_ = hints != "0";
    emit hintsChanged(hints_);
    // A missing, empty or unknown language is German, without an error.
    setLanguage(QString::fromStdString(options_.language()));
    const std::string &remembered = options_.lines().line(0);
    if (skirmish_.restoreMapChoice(remembered))
        state_.memtemp.setLine(0, remembered);
    state_.musicon = options_.musicSwitch();
    state_.soundon = options_.soundSwitch();
    if (state_.musicon == 1)
        sound_.play(Sound::BgMusic);
}

void OptionsController::showSwitches()
{
    screen_.showMusicSwitch(state_.musicon);
    screen_.showSoundSwitch(state_.soundon);
    screen_.showLevel(level_);
    screen_.showVolumes(musicVolume_, effectsVolume_);
    screen_.showWindowSize(windowSize_);
    screen_.showHints(hints_);
}

void OptionsController::btnhintsClick()
{
    hints_ = !hints_;
    hintsChosen_ = true;
    screen_.showHints(hints_);
    emit hintsChanged(hints_);
}

void OptionsController::gameFinished()
{
    if (hintsChosen_ || !hints_)
        return;
    hints_ = false;
    hintsChosen_ = true;
    screen_.showHints(hints_);
    emit hintsChanged(hints_);
    options_.setSetting(kHintsKey, "0");
    options_.rememberMap(lastMap_.empty() ? skirmish_.chosenMap() : lastMap_);
}

void OptionsController::setMusicVolume(int percent)
{
    musicVolume_ = volumeStep(percent);
    sound_.setVolume(Sound::BgMusic, musicVolume_);
}

void OptionsController::setEffectsVolume(int percent)
{
    effectsVolume_ = volumeStep(percent);
    for (Sound s : kEffects)
        sound_.setVolume(s, effectsVolume_);
}

void OptionsController::btnlevelClick()
{
    level_ = (level_ + 1) % 3;
    screen_.showLevel(level_);
    emit levelChanged(level_);
}

void OptionsController::btnwindowClick()
{
    windowSize_ = nextWindowSize(windowSize_, sizesFittingScreenOf(&screen_));
    screen_.showWindowSize(windowSize_);
    emit windowSizeChanged(windowSize_);
}

void OptionsController::toggleFullScreen()
{
    if (windowSize_ == WindowSize::Full) {
        windowSize_ = fittingWindowSize(beforeFull_, sizesFittingScreenOf(&screen_));
    } else {
        beforeFull_ = windowSize_;
        windowSize_ = WindowSize::Full;
    }
    screen_.showWindowSize(windowSize_);
    emit windowSizeChanged(windowSize_);
}

void OptionsController::btnmusicClick()
{
    if (state_.musicon == 1) {
        state_.musicon = 0;
        sound_.stop(Sound::BgMusic);
    } else {
        state_.musicon = 1;
        sound_.play(Sound::BgMusic);
    }
    screen_.showMusicSwitch(state_.musicon);
}

void OptionsController::btnsoundClick()
{
    state_.soundon = state_.soundon == 1 ? 0 : 1;
    screen_.showSoundSwitch(state_.soundon);
}

void OptionsController::btnlanguageClick()
{
    // The whole window follows at once; the screen shows the new name.
    setLanguage(nextLanguage(currentLanguage()));
    screen_.showLanguage();
}

void OptionsController::saveOptions()
{
    keepSetting(options_, kLevelKey, level_, 0);
    keepSetting(options_, kMusicVolumeKey, musicVolume_, kFullVolume);
    keepSetting(options_, kEffectsVolumeKey, effectsVolume_, kFullVolume);
    keepSetting(options_, kWindowKey, windowSizeKey(windowSize_), windowSizeKey(WindowSize::Normal));
    if (hintsChosen_)
        options_.setSetting(kHintsKey, hints_ ? "1" : "0");
    options_.save(lastMap_.empty() ? skirmish_.chosenMap() : lastMap_, state_.musicon, state_.soundon,
                  currentLanguage().toStdString());
}

void OptionsController::rememberMap(const std::string &name)
{
    lastMap_ = name;
    options_.rememberMap(name);
}

void OptionsController::tmusicrewindTimer()
{
    sound_.rewind(Sound::BgMusic);
    if (state_.musicon == 1)
        sound_.play(Sound::BgMusic);
}

} // namespace gw
