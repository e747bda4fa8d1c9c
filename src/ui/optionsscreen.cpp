// SPDX-License-Identifier: MIT
#include "ui/optionsscreen.h"

#include "ui/fonts.h"
#include "ui/layoutkit.h"
#include "ui/pictures.h"

#include <QPushButton>

namespace gw {

namespace {
void showSwitch(QPushButton *button, int32_t value)
{
    button->setText(value == 1 ? "* Eingeschaltet *" : "* Ausgeschaltet *");
}
} // namespace

OptionsScreen::OptionsScreen(QWidget *window) : Panel(window, "panoptions", {184, 128, 425, 297}, colour::black)
{
    makeFixedLabel(this, "labmusic", {112, 56, 72, 22}, "Musik:", decorativeFont(18), colour::green);
    makeFixedLabel(this, "labsound", {104, 104, 81, 22}, "Sound:", decorativeFont(18), colour::green);
    PictureBox *back = makePicture(this, "btnoptionsback", {24, 200, 192, 51});
    back->setPicture(withTransparentBottomLeft(resourcePicture("back.bmp")));
    btnmusic_ = makeButton(this, "btnmusic", {200, 56, 113, 25}, "* Eingeschaltet *", windowFont(15));
    btnsound_ = makeButton(this, "btnsound", {200, 104, 113, 25}, "* Eingeschaltet *", windowFont(15));
    connect(back, &PictureBox::clicked, this, &OptionsScreen::backClicked);
    connect(btnmusic_, &QPushButton::clicked, this, &OptionsScreen::musicClicked);
    connect(btnsound_, &QPushButton::clicked, this, &OptionsScreen::soundClicked);
    stackWindowedOnTop(this);
}

void OptionsScreen::showMusicSwitch(int32_t musicon) { showSwitch(btnmusic_, musicon); }

void OptionsScreen::showSoundSwitch(int32_t soundon) { showSwitch(btnsound_, soundon); }

} // namespace gw
