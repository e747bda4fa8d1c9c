// SPDX-License-Identifier: MIT
#include "ui/screens/optionsscreen.h"

#include "ui/language.h"
#include "ui/texts.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"
#include "ui/widgets/pictures.h"

#include <QPushButton>
#include <QSlider>

namespace gw {

OptionsScreen::OptionsScreen(QWidget *window) : Panel(window, "panoptions", {184, 128, 425, 405}, colour::black)
{
    labmusic_ = makeFixedLabel(this, "labmusic", {112, 56, 72, 22}, QString(), decorativeFont(18), colour::captionGreen);
    labsound_ = makeFixedLabel(this, "labsound", {104, 104, 81, 22}, QString(), decorativeFont(18), colour::captionGreen);
    // The back button below the rows.
    back_ = makePicture(this, "btnoptionsback", {24, 344, 192, 51});
    btnmusic_ = makeButton(this, "btnmusic", {200, 56, 113, 25}, QString(), windowFont(15));
    btnsound_ = makeButton(this, "btnsound", {200, 104, 113, 25}, QString(), windowFont(15));
    // The language below the two switches, in their style.
    lablanguage_ = makeFixedLabel(this, "lablanguage", {104, 152, 95, 22}, QString(), decorativeFont(18), colour::captionGreen);
    btnlanguage_ = makeButton(this, "btnlanguage", {200, 152, 113, 25}, QString(), windowFont(15));
    // The opponent's level below the language.
    lablevel_ = makeFixedLabel(this, "lablevel", {104, 200, 95, 22}, QString(), decorativeFont(18), colour::captionGreen);
    btnlevel_ = makeButton(this, "btnlevel", {200, 200, 113, 25}, QString(), windowFont(15));
    // The volumes beside the switches they belong to.
    trkmusicvolume_ = makeVolumeControl("trkmusicvolume", {320, 56, 64, 25}, labmusicvolume_,
                                        &OptionsScreen::musicVolumeChanged);
    trkeffectsvolume_ = makeVolumeControl("trkeffectsvolume", {320, 104, 64, 25}, labeffectsvolume_,
                                          &OptionsScreen::effectsVolumeChanged);
    // The window's size below the level.
    labwindow_ = makeFixedLabel(this, "labwindow", {104, 248, 95, 22}, QString(), decorativeFont(18), colour::captionGreen);
    btnwindow_ = makeButton(this, "btnwindow", {200, 248, 113, 25}, QString(), windowFont(15));
    // The hints for a new player below the window's size.
    labhints_ = makeFixedLabel(this, "labhints", {104, 296, 95, 22}, QString(), decorativeFont(18), colour::captionGreen);
    btnhints_ = makeButton(this, "btnhints", {200, 296, 113, 25}, QString(), windowFont(15));
    connect(back_, &PictureBox::clicked, this, &OptionsScreen::backClicked);
    connect(btnmusic_, &QPushButton::clicked, this, &OptionsScreen::musicClicked);
    connect(btnsound_, &QPushButton::clicked, this, &OptionsScreen::soundClicked);
    connect(btnlanguage_, &QPushButton::clicked, this, &OptionsScreen::languageClicked);
    connect(btnlevel_, &QPushButton::clicked, this, &OptionsScreen::levelClicked);
    connect(btnwindow_, &QPushButton::clicked, this, &OptionsScreen::windowClicked);
    connect(btnhints_, &QPushButton::clicked, this, &OptionsScreen::hintsClicked);
    stackWindowedOnTop(this);
    retranslate();
}

QSlider *OptionsScreen::makeVolumeControl(const QString &name, const QRect &place, TextLabel *&percentLabel,
                                          void (OptionsScreen::*changed)(int))
{
    auto *slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(name);
    slider->setGeometry(place);
    slider->setRange(0, 100);
    slider->setSingleStep(10);
    slider->setPageStep(10);
    slider->setTickInterval(10);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(100);
    percentLabel = makeFixedLabel(this, "lab" + name.mid(3), {place.right() + 5, place.top() + 4, 36, 16}, QString(),
                                  windowFont(13), colour::moneyGreen);
    TextLabel *label = percentLabel;
    // A drag goes through every value; the control keeps to steps of 10 and
    // announces only those.
    connect(slider, &QSlider::valueChanged, this, [this, slider, label, changed](int value) {
        const int step = (value + 5) / 10 * 10;
        if (step != value) {
            slider->setValue(step);
            return;
        }
        label->setCaption(tr("%1 %").arg(value));
        emit(this->*changed)(value);
    });
    return slider;
}

void OptionsScreen::showVolumes(int music, int effects)
{
    for (auto [slider, value] : {std::pair{trkmusicvolume_, music}, std::pair{trkeffectsvolume_, effects}}) {
        const QSignalBlocker quiet(slider);
        slider->setValue(value);
    }
    labmusicvolume_->setCaption(tr("%1 %").arg(trkmusicvolume_->value()));
    labeffectsvolume_->setCaption(tr("%1 %").arg(trkeffectsvolume_->value()));
}

void OptionsScreen::retranslate()
{
    labmusic_->setCaption(tr("Musik:"));
    labsound_->setCaption(tr("Sound:"));
    lablanguage_->setCaption(tr("Sprache:"));
    lablevel_->setCaption(tr("Gegner:"));
    trkmusicvolume_->setAccessibleName(tr("Musik-Lautstärke"));
    trkeffectsvolume_->setAccessibleName(tr("Effekt-Lautstärke"));
    showVolumes(trkmusicvolume_->value(), trkeffectsvolume_->value());
    labwindow_->setCaption(tr("Fenster:"));
    labhints_->setCaption(tr("Tipps:"));
    back_->setPicture(withTransparentBottomLeft(wordPicture("back.bmp")));
    showMusicSwitch(musicon_);
    showSoundSwitch(soundon_);
    showLanguage();
    showLevel(level_);
    showWindowSize(windowSize_);
    showHints(hints_);
}

void OptionsScreen::showHints(bool on)
{
    hints_ = on;
    btnhints_->setText(on ? tr("* Eingeschaltet *") : tr("* Ausgeschaltet *"));
}

void OptionsScreen::showMusicSwitch(int32_t musicon)
{
    musicon_ = musicon;
    btnmusic_->setText(musicon == 1 ? tr("* Eingeschaltet *") : tr("* Ausgeschaltet *"));
}

void OptionsScreen::showSoundSwitch(int32_t soundon)
{
    soundon_ = soundon;
    btnsound_->setText(soundon == 1 ? tr("* Eingeschaltet *") : tr("* Ausgeschaltet *"));
}

void OptionsScreen::showLanguage()
{
    for (const Language &l : languages()) {
        if (l.code == currentLanguage())
            btnlanguage_->setText(QStringLiteral("* %1 *").arg(l.name));
    }
}

void OptionsScreen::showLevel(int32_t level)
{
    level_ = level;
    btnlevel_->setText(QStringLiteral("* %1 *").arg(Texts::levelName(level)));
}

void OptionsScreen::showWindowSize(WindowSize size)
{
    windowSize_ = size;
    QString name;
    switch (size) {
    case WindowSize::Normal:
        name = tr("100 %");
        break;
    case WindowSize::OneAndAHalf:
        name = tr("150 %");
        break;
    case WindowSize::Double:
        name = tr("200 %");
        break;
    case WindowSize::Full:
        name = tr("Vollbild");
        break;
    }
    btnwindow_->setText(QStringLiteral("* %1 *").arg(name));
}

} // namespace gw
