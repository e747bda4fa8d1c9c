// SPDX-License-Identifier: MIT
#include "ui/skirmishscreen.h"

#include "map/mapfile.h"
#include "ui/fonts.h"
#include "ui/layoutkit.h"
#include "ui/language.h"
#include "ui/pictures.h"
#include "ui/texts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace gw {

SkirmishScreen::SkirmishScreen(QWidget *window) : Panel(window, "panskirmish", {120, 56, 601, 449}, colour::black)
{
    mappreview_ = makePicture(this, "mappreview", {184, 64, 265, 161}, PictureBox::Fit::Proportional);
    mappreview_->setPicture(resourcePicture("preview_default.bmp"));
    auto *frame = new Bevel(this, Bevel::Shape::Frame);
    frame->setObjectName("mappreviewframe");
    frame->setGeometry(176, 56, 281, 177);
    labmap_ = makeFixedLabel(this, "labmap", {112, 296, 79, 24}, QString(), decorativeFont(20, true), colour::green);

    back_ = makePicture(this, "btnskirmishback", {8, 392, 192, 51});
    start_ = makePicture(this, "btnskirmishstart", {400, 392, 192, 51});
    connect(back_, &PictureBox::clicked, this, &SkirmishScreen::backClicked);
    connect(start_, &PictureBox::clicked, this, &SkirmishScreen::startClicked);

    maplist_ = new QComboBox(this);
    maplist_->setObjectName("maplist");
    maplist_->setGeometry(232, 296, 209, 21);
    maplist_->setEditable(true);
    maplist_->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string &name : shippedMapNames())
        maplist_->addItem(Texts::mapName(name));
    // No entry selected, the first map's name in view.
    maplist_->setCurrentIndex(-1);
    maplist_->setEditText(Texts::mapName(shippedMapNames().front()));
    connect(maplist_, &QComboBox::currentIndexChanged, this, &SkirmishScreen::mapEntryChanged);
    // Typing the exact name of a map chooses it; any other text is left
    // standing until editing ends and then gives way to the map in force.
    connect(maplist_, &QComboBox::editTextChanged, this, [this](const QString &text) {
        const int index = maplist_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0 && index != maplist_->currentIndex())
            maplist_->setCurrentIndex(index);
    });
    // The list's own answer to the end of editing would choose any entry
    // whose name the text matches in any case; it comes as the focus leaves
    // the list, on the way to a button's click, and a preview that cannot be
    // loaded would then put its box in the click's way. Only the exact name
    // chooses (above); everything else gives way to the map in force.
    QObject::disconnect(maplist_->lineEdit(), SIGNAL(editingFinished()), maplist_, nullptr);
    connect(maplist_->lineEdit(), &QLineEdit::editingFinished, this, &SkirmishScreen::showMapChoice);
    stackWindowedOnTop(this);
    retranslate();
}

void SkirmishScreen::retranslate()
{
    labmap_->setCaption(tr("Karte:"));
    back_->setPicture(withTransparentBottomLeft(wordPicture("back.bmp")));
    start_->setPicture(withTransparentBottomLeft(wordPicture("start.bmp")));
    // The entries in the new language, the map in force in view.
    const auto &names = shippedMapNames();
    {
        const QSignalBlocker quiet(maplist_);
        for (int i = 0; i < maplist_->count(); ++i)
            maplist_->setItemText(i, Texts::mapName(names.at(static_cast<std::size_t>(i))));
    }
    showMapChoice();
}

SkirmishScreen::~SkirmishScreen()
{
    // The list's entry may still report the end of editing while the window
    // is taken down (it loses the focus); nothing may answer it any more.
    maplist_->lineEdit()->disconnect(this);
    maplist_->disconnect(this);
}

const std::string &SkirmishScreen::chosenMap() const
{
    return shippedMapNames().at(static_cast<std::size_t>(mapChoice_));
}

void SkirmishScreen::showMapChoice()
{
    const QSignalBlocker quiet(maplist_);
    maplist_->setEditText(Texts::mapName(chosenMap()));
}

bool SkirmishScreen::restoreMapChoice(const std::string &name)
{
    const auto &names = shippedMapNames();
    const auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end())
        return false;
    // A remembered map whose preview cannot be loaded is quietly forgotten;
    // the list then starts at the first map as on a first run.
    QImage preview;
    try {
        preview = loadBitmapFile(mapPreviewPath(name));
    } catch (const std::exception &) {
        return false;
    }
    mapChoice_ = static_cast<int>(it - names.begin());
    mappreview_->setPicture(preview);
    const QSignalBlocker quiet(maplist_);
    maplist_->setCurrentIndex(mapChoice_);
    return true;
}

void SkirmishScreen::maplistChange()
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
        const QSignalBlocker quiet(maplist_);
        maplist_->setCurrentIndex(mapChoice_);
        throw;
    }
    mappreview_->setPicture(preview);
    mapChoice_ = index;
    emit mapChosen(name);
}

} // namespace gw
