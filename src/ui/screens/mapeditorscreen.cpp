// SPDX-License-Identifier: MIT
#include "ui/screens/mapeditorscreen.h"

#include "ui/panels/editorfield.h"
#include "ui/panels/palette.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace gw {

namespace {

QLineEdit *makeEntry(QWidget *parent, const QString &name, const QRect &place, int maxLength)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(place);
    e->setMaxLength(maxLength);
    return e;
}

} // namespace

MapEditorScreen::MapEditorScreen(QWidget *window) : Panel(window, "paneditor", {0, 0, 800, 600}, colour::black)
{
    // The order of creation is the order of stacking.
    field_ = new EditorField(this);
    palette_ = new Palette(this);
    const QFont text = windowFont(13);
    labbrush_ = makeLabel(this, "labeditorbrush", 8, 575, QString(), windowFont(12), colour::moneyGreen);

    // Right of the palette: the map's name, its incomes, opening, the buttons.
    labname_ = makeLabel(this, "labeditorname", 488, 458, QString(), text, colour::moneyGreen);
    name_ = makeEntry(this, "ededitorname", {584, 456, 207, 21}, 200);
    labtaxes_ = makeLabel(this, "labeditortaxes", 488, 484, QString(), text, colour::red);
    taxes_ = makeEntry(this, "ededitortaxes", {584, 482, 64, 21}, 11);
    labenemytaxes_ = makeLabel(this, "labeditorenemytaxes", 660, 484, QString(), text, colour::skyBlue);
    enemyTaxes_ = makeEntry(this, "ededitorenemytaxes", {727, 482, 64, 21}, 11);
    maps_ = new QComboBox(this);
    maps_->setObjectName("editormaplist");
    maps_->setGeometry(488, 510, 226, 23);
    open_ = makeButton(this, "btneditoropen", {719, 509, 72, 25}, QString(), windowFont());

    new_ = makeButton(this, "btneditornew", {488, 540, 72, 25}, QString(), windowFont());
    delete_ = makeButton(this, "btneditordelete", {565, 540, 72, 25}, QString(), windowFont());
    save_ = makeButton(this, "btneditorsave", {642, 540, 72, 25}, QString(), windowFont());
    play_ = makeButton(this, "btneditorplay", {719, 540, 72, 25}, QString(), windowFont());
    labstatus_ = makeLabel(this, "labeditorstatus", 488, 572, QString(), windowFont(12), colour::yellow);
    back_ = makeButton(this, "btneditorback", {719, 568, 72, 25}, QString(), windowFont());

    connect(save_, &QPushButton::clicked, this, &MapEditorScreen::saveClicked);
    connect(play_, &QPushButton::clicked, this, &MapEditorScreen::playClicked);
    connect(new_, &QPushButton::clicked, this, &MapEditorScreen::newClicked);
    connect(delete_, &QPushButton::clicked, this, &MapEditorScreen::deleteClicked);
    connect(back_, &QPushButton::clicked, this, &MapEditorScreen::backClicked);
    connect(open_, &QPushButton::clicked, this, &MapEditorScreen::openClicked);
    stackWindowedOnTop(this);
    retranslate();
}

void MapEditorScreen::retranslate()
{
    labname_->setCaption(tr("Name:"));
    labtaxes_->setCaption(tr("Steuern Rot:"));
    labenemytaxes_->setCaption(tr("Blau:"));
    open_->setText(tr("Öffnen"));
    new_->setText(tr("Neu"));
    delete_->setText(tr("Löschen"));
    save_->setText(tr("Speichern"));
    play_->setText(tr("Spielen"));
    back_->setText(tr("Zurück"));
    showBrush(brush_);
    showUnsaved(unsaved_);
}

void MapEditorScreen::setOpenableMaps(const QStringList &texts, int chosen)
{
    const QSignalBlocker quiet(maps_);
    maps_->clear();
    maps_->addItems(texts);
    maps_->setCurrentIndex(chosen);
}

int MapEditorScreen::openableChoice() const { return maps_->currentIndex(); }

void MapEditorScreen::showBrush(const QString &text)
{
    brush_ = text;
    labbrush_->setCaption(
        tr("Pinsel: %1 · Rechtsklick nimmt ein Feld auf · Strg+Z nimmt zurück").arg(text));
}

void MapEditorScreen::showUnsaved(bool unsaved)
{
    unsaved_ = unsaved;
    if (unsaved)
        saved_ = false;
    setTextColour(labstatus_, saved_ ? colour::moneyGreen : colour::yellow);
    labstatus_->setCaption(unsaved ? tr("Nicht gespeichert") : saved_ ? tr("Gespeichert.") : QString());
}

void MapEditorScreen::showSaved(bool saved)
{
    saved_ = saved;
    showUnsaved(unsaved_ && !saved);
}

void MapEditorScreen::setDeleteEnabled(bool enabled) { delete_->setEnabled(enabled); }

void MapEditorScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo)) {
        event->accept();
        emit undoPressed();
        return;
    }
    Panel::keyPressEvent(event);
}

} // namespace gw
