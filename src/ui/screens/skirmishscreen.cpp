// SPDX-License-Identifier: MIT
#include "ui/screens/skirmishscreen.h"

#include "map/mapfile.h"
#include "ui/language.h"
#include "ui/texts.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"
#include "ui/widgets/mappreview.h"
#include "ui/widgets/pictures.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace gw {

namespace {

// The shipped maps, then the own maps whose names no language gives a
// shipped one.
std::vector<std::string> offeredMaps()
{
    std::vector<std::string> names = shippedMapNames();
    for (const std::string &own : listOwnMaps()) {
        if (!Texts::isShippedMapName(QString::fromStdString(own)))
            names.push_back(own);
    }
    return names;
}

} // namespace

SkirmishScreen::SkirmishScreen(QWidget *window) : Panel(window, "panskirmish", {120, 56, 601, 449}, colour::black)
{
    mappreview_ = makePicture(this, "mappreview", {184, 64, 265, 161}, PictureBox::Fit::Proportional);
    mappreview_->setPicture(resourcePicture("preview_default.bmp"));
    auto *frame = new Bevel(this, Bevel::Shape::Frame);
    frame->setObjectName("mappreviewframe");
    frame->setGeometry(176, 56, 281, 177);
    labmap_ = makeFixedLabel(this, "labmap", {112, 296, 79, 24}, QString(), decorativeFont(20, true), colour::captionGreen);

    back_ = makePicture(this, "btnskirmishback", {8, 392, 192, 51});
    start_ = makePicture(this, "btnskirmishstart", {400, 392, 192, 51});
    connect(back_, &PictureBox::clicked, this, &SkirmishScreen::backClicked);
    connect(start_, &PictureBox::clicked, this, &SkirmishScreen::startClicked);

    maplist_ = new QComboBox(this);
    maplist_->setObjectName("maplist");
    maplist_->setGeometry(232, 296, 209, 21);
    maplist_->setEditable(true);
    maplist_->setInsertPolicy(QComboBox::NoInsert);
    names_ = offeredMaps();
    fillList();
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

    // Between the back and the start picture, in the row of the game's
    // plain buttons.
    btnmapeditor_ = makeButton(this, "btnmapeditor", {240, 405, 121, 25}, QString(), windowFont(13));
    connect(btnmapeditor_, &QPushButton::clicked, this, &SkirmishScreen::editorClicked);

    // Who plays Blue, in a row of its own above the preview, and the
    // replay of the last game beside it.
    labplayers_ = makeFixedLabel(this, "labplayers", {112, 14, 118, 24}, QString(), decorativeFont(20, true),
                                 colour::green);
    // A switch like the options screen's: each click the other choice.
    btnplayers_ = makeButton(this, "btnplayers", {232, 16, 209, 25}, QString(), windowFont(13));
    connect(btnplayers_, &QPushButton::clicked, this, [this] {
        players_ = players_ == Players::Computer ? Players::SameScreen : Players::Computer;
        retranslate();
        emit playersChosen(players_);
    });
    btnreplay_ = makeButton(this, "btnreplay", {456, 16, 105, 25}, QString(), windowFont(13));
    btnreplay_->hide();
    connect(btnreplay_, &QPushButton::clicked, this, &SkirmishScreen::replayClicked);
    // Beside the map list: a game with a friend at another computer.
    btnnetwork_ = makeButton(this, "btnnetwork", {456, 294, 105, 25}, QString(), windowFont(13));
    connect(btnnetwork_, &QPushButton::clicked, this, &SkirmishScreen::networkClicked);
    stackWindowedOnTop(this);
    retranslate();
}

void SkirmishScreen::retranslate()
{
    labmap_->setCaption(tr("Karte:"));
    btnmapeditor_->setText(tr("Karteneditor"));
    labplayers_->setCaption(tr("Spiel gegen:"));
    btnplayers_->setText(players_ == Players::Computer ? tr("Computer") : tr("Mensch (am selben Bildschirm)"));
    btnreplay_->setText(tr("Wiederholung"));
    btnnetwork_->setText(tr("Netzwerkspiel"));
    back_->setPicture(withTransparentBottomLeft(wordPicture("back.bmp")));
    start_->setPicture(withTransparentBottomLeft(wordPicture("start.bmp")));
    // The entries in the new language, the map in force in view.
    {
        const QSignalBlocker quiet(maplist_);
        for (int i = 0; i < maplist_->count(); ++i)
            maplist_->setItemText(i, Texts::mapName(names_.at(static_cast<std::size_t>(i))));
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

void SkirmishScreen::fillList()
{
    const QSignalBlocker quiet(maplist_);
    QStringList texts;
    for (const std::string &name : names_)
        texts << Texts::mapName(name);
    maplist_->clear();
    maplist_->addItems(texts);
}

void SkirmishScreen::setReplayAvailable(bool available) { btnreplay_->setVisible(available); }

const std::string &SkirmishScreen::chosenMap() const { return names_.at(static_cast<std::size_t>(mapChoice_)); }

void SkirmishScreen::showMapChoice()
{
    const QSignalBlocker quiet(maplist_);
    maplist_->setEditText(Texts::mapName(chosenMap()));
}

void SkirmishScreen::refreshMapList()
{
    const std::string chosen = chosenMap();
    const bool selected = maplist_->currentIndex() >= 0;
    names_ = offeredMaps();
    fillList();
    const auto it = std::find(names_.begin(), names_.end(), chosen);
    if (it == names_.end()) {
        // The map in force is gone (deleted in the editor, or its file
        // removed): the first map takes its place, as on a first run.
        mapChoice_ = 0;
        QImage preview = resourcePicture("preview_default.bmp");
        try {
            preview = loadMapPreview(chosenMap());
        } catch (const std::exception &) {
        }
        mappreview_->setPicture(preview);
    } else {
        mapChoice_ = static_cast<int>(it - names_.begin());
        // An own map may have been changed since its preview was drawn.
        if (!isShippedMap(chosen)) {
            try {
                mappreview_->setPicture(loadMapPreview(chosen));
            } catch (const std::exception &) {
                // Reported when it is chosen or started; the old drawing stays.
            }
        }
    }
    const QSignalBlocker quiet(maplist_);
    maplist_->setCurrentIndex(selected || mapChoice_ != 0 ? mapChoice_ : -1);
    showMapChoice();
}

bool SkirmishScreen::restoreMapChoice(const std::string &name)
{
    auto it = std::find(names_.begin(), names_.end(), name);
    if (it == names_.end()) {
        refreshMapList();
        it = std::find(names_.begin(), names_.end(), name);
    }
    if (it == names_.end())
        return false;
    const int index = static_cast<int>(it - names_.begin());
    // A remembered map whose preview cannot be loaded is quietly forgotten;
    // the list then starts at the first map as on a first run.
    QImage preview;
    try {
        preview = loadMapPreview(name);
    } catch (const std::exception &) {
        return false;
    }
    mapChoice_ = index;
    mappreview_->setPicture(preview);
    const QSignalBlocker quiet(maplist_);
    maplist_->setCurrentIndex(mapChoice_);
    return true;
}

bool SkirmishScreen::chooseMapNamed(const std::string &name)
{
    if (!restoreMapChoice(name))
        return false;
    emit mapChosen(name);
    return true;
}

void SkirmishScreen::maplistChange()
{
    const int index = maplist_->currentIndex();
    if (index < 0 || index >= static_cast<int>(names_.size()))
        return;
    const std::string name = names_[static_cast<std::size_t>(index)];
    QImage preview;
    try {
        preview = loadMapPreview(name);
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
