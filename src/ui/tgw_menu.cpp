// SPDX-License-Identifier: MIT
// Start-up, the main menu, the options screen, the skirmish screen and the
// way back to the main menu.
#include "ui/tgw.h"

#include "core/strtoint.h"
#include "map/mapfile.h"
#include "ui/framewidgets.h"
#include "ui/messagebox.h"
#include "ui/pictures.h"
#include "ui/picturebox.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

namespace gw {

namespace {
void enable(QTimer *timer)
{
    if (!timer->isActive())
        timer->start();
}
} // namespace

void Tgw::FormCreate()
{
    state_.menustate = 0;
    options_.load();
    restoreMapChoice();
    state_.musicon = options_.musicSwitch();
    state_.soundon = options_.soundSwitch();
    if (state_.musicon == 1)
        sound_->play(Sound::BgMusic);
    enable(mainmenuslide_);
}

void Tgw::mainmenuslideTimer()
{
    const bool menu = state_.menustate == 0;
    for (PictureBox *p : {btnskirmish_, btnoptions_, btnend_})
        p->setVisible(menu);
    if (!menu)
        mainmenuslide_->stop();
}

void Tgw::btnskirmishClick()
{
    state_.menustate = 2;
    enable(mainmenuslide_);
    panskirmish_->show();
    // The list keeps its choice from an earlier visit, and that is the map
    // the start button loads.
    showMapChoice();
}

void Tgw::showMapChoice()
{
    const std::string &name = shippedMapNames().at(static_cast<std::size_t>(mapChoice_));
    state_.memtemp.setLine(0, name);
    const QSignalBlocker quiet(maplist_);
    maplist_->setEditText(QString::fromStdString(name));
}

void Tgw::restoreMapChoice()
{
    const auto &names = shippedMapNames();
    const std::string &remembered = options_.lines().line(0);
    const auto it = std::find(names.begin(), names.end(), remembered);
    if (it == names.end())
        return;
    // A remembered map whose preview cannot be loaded is quietly forgotten;
    // the list then starts at the first map as on a first run.
    QImage preview;
    try {
        preview = loadBitmapFile(mapPreviewPath(remembered));
    } catch (const std::exception &) {
        return;
    }
    mapChoice_ = static_cast<int>(it - names.begin());
    mappreview_->setPicture(preview);
    state_.memtemp.setLine(0, remembered);
    const QSignalBlocker quiet(maplist_);
    maplist_->setCurrentIndex(mapChoice_);
}

void Tgw::setSwitchCaption(QPushButton *button, int32_t value)
{
    button->setText(value == 1 ? "* Eingeschaltet *" : "* Ausgeschaltet *");
}

void Tgw::btnoptionsClick()
{
    state_.menustate = 1;
    panoptions_->show();
    setSwitchCaption(btnmusic_, state_.musicon);
    setSwitchCaption(btnsound_, state_.soundon);
    enable(mainmenuslide_);
}

void Tgw::btnendClick()
{
    if (askYesNo(this, QString::fromUtf8("Bestätigung"), QString::fromUtf8("Möchten Sie wirklich beenden?")))
        close();
}

void Tgw::btnmusicClick()
{
    if (state_.musicon == 1) {
        state_.musicon = 0;
        sound_->stop(Sound::BgMusic);
    } else {
        state_.musicon = 1;
        sound_->play(Sound::BgMusic);
    }
    setSwitchCaption(btnmusic_, state_.musicon);
}

void Tgw::btnsoundClick()
{
    state_.soundon = state_.soundon == 1 ? 0 : 1;
    setSwitchCaption(btnsound_, state_.soundon);
}

void Tgw::btnoptionsbackClick()
{
    // The options file keeps its own lines; only the map and the two
    // switches are written into it. A failed save leaves the screen open.
    const std::string &name = shippedMapNames().at(static_cast<std::size_t>(mapChoice_));
    options_.save(name, state_.musicon, state_.soundon);
    panoptions_->hide();
    state_.menustate = 0;
    enable(mainmenuslide_);
}

void Tgw::maplistChange()
{
    const int index = maplist_->currentIndex();
    const auto &names = shippedMapNames();
    if (index < 0 || index >= static_cast<int>(names.size()))
        return;
    const std::string &name = names[static_cast<std::size_t>(index)];
    QImage preview;
    try {
        preview = loadBitmapFile(mapPreviewPath(name));
    } catch (...) {
        // The previous map stays chosen, and the list shows it again.
        const QSignalBlocker quiet(maplist_);
        maplist_->setCurrentIndex(mapChoice_);
        throw;
    }
    mappreview_->setPicture(preview);
    mapChoice_ = index;
    state_.memtemp.setLine(0, name);
}

void Tgw::btnskirmishbackClick()
{
    state_.menustate = 0;
    panskirmish_->hide();
    enable(mainmenuslide_);
}

void Tgw::btnendgameClick() { returnToMainMenu(); }

void Tgw::returnToMainMenu()
{
    pangame_->hide();
    state_.menustate = 0;
    enable(mainmenuslide_);
    tfieldact_->stop();
}

void Tgw::tmusicrewindTimer()
{
    sound_->rewind(Sound::BgMusic);
    if (state_.musicon == 1)
        sound_->play(Sound::BgMusic);
}

} // namespace gw
