// SPDX-License-Identifier: MIT
#include "ui/mapeditorcontroller.h"

#include "core/safefile.h"
#include "core/savegame.h"
#include "core/strtoint.h"
#include "core/textfile.h"
#include "map/mapfile.h"
#include "map/mapnames.h"
#include "ui/panels/editorfield.h"
#include "ui/panels/palette.h"
#include "ui/screens/mapeditorscreen.h"
#include "ui/texts.h"
#include "ui/widgets/guard.h"
#include "ui/widgets/messagebox.h"

#include <QLineEdit>

#include <algorithm>
#include <optional>

namespace gw {

namespace {
constexpr const char *kNewMapState = "None_Grass";
std::size_t sideIndex(Side side) { return side == Side::Red ? 0 : 1; }

// The round of the saved game on this map; none when no save that could be
// continued is on it.
std::optional<int32_t> savedRoundOn(const std::string &map)
{
    try {
        const SaveReadResult read = readSaveText(readFileBytes(kSavePath, 1024 * 1024));
        if (read.fault == SaveFault::None && read.game.mapName == map)
            return read.game.state.rounds;
    } catch (const std::exception &) {
    }
    return std::nullopt;
}
} // namespace

MapEditorController::MapEditorController(MapEditorScreen &screen, QWidget *boxOwner)
    : QObject(boxOwner), screen_(screen), boxOwner_(boxOwner)
{
    const auto report = [this](const QString &text) { emit errorOccurred(text); };
    const auto wire = [&](auto *sender, auto signal, auto handler) {
        connectGuarded(sender, signal, this, handler, report);
    };
    wire(&screen, &MapEditorScreen::newClicked, &MapEditorController::btneditornewClick);
    wire(&screen, &MapEditorScreen::openClicked, &MapEditorController::btneditoropenClick);
    wire(&screen, &MapEditorScreen::saveClicked, &MapEditorController::btneditorsaveClick);
    wire(&screen, &MapEditorScreen::playClicked, &MapEditorController::btneditorplayClick);
    wire(&screen, &MapEditorScreen::deleteClicked, &MapEditorController::btneditordeleteClick);
    wire(&screen, &MapEditorScreen::backClicked, &MapEditorController::btneditorbackClick);
    wire(&screen, &MapEditorScreen::undoPressed, &MapEditorController::undo);
    wire(&screen.field(), &EditorField::strokeBegun, &MapEditorController::beginStroke);
    wire(&screen.field(), &EditorField::cellStroked, &MapEditorController::strokeCell);
    wire(&screen.field(), &EditorField::strokeEnded, &MapEditorController::endStroke);
    wire(&screen.field(), &EditorField::cellPicked, &MapEditorController::pickCell);
    wire(&screen.palette(), &Palette::stateChosen, &MapEditorController::chooseBrush);
    for (Side side : {Side::Red, Side::Blue}) {
        QLineEdit &entry = taxesEntry(side);
        connect(&entry, &QLineEdit::textEdited, this, [this, side](const QString &text) { taxesEdited(side, text); });
        // An entry left empty follows the land again.
        connect(&entry, &QLineEdit::editingFinished, this, &MapEditorController::showTaxes);
    }
    connect(&screen.nameEntry(), &QLineEdit::textEdited, this, &MapEditorController::showState);
}

// ---- What the editor holds -----------------------------------------------------

MapEditorController::Content MapEditorController::content() const
{
    return {cells_, screen_.nameEntry().text().trimmed(), taxesText(Side::Red), taxesText(Side::Blue)};
}

QString MapEditorController::taxesText(Side side) const
{
    if (typedTaxes_[sideIndex(side)])
        return taxesEntry(side).text();
    return QString::number(ownedLandTaxes(cells_, side));
}

QLineEdit &MapEditorController::taxesEntry(Side side) const
{
    return side == Side::Red ? screen_.taxesEntry() : screen_.enemyTaxesEntry();
}

void MapEditorController::taxesEdited(Side side, const QString &text)
{
    typedTaxes_[sideIndex(side)] = !text.isEmpty();
    showState();
}

void MapEditorController::showTaxes()
{
    for (Side side : {Side::Red, Side::Blue}) {
        QLineEdit &entry = taxesEntry(side);
        if (!typedTaxes_[sideIndex(side)] && entry.text() != taxesText(side))
            entry.setText(taxesText(side));
    }
}

void MapEditorController::showState()
{
    screen_.showUnsaved(hasUnsavedChanges());
    screen_.setDeleteEnabled(!fileName_.empty());
}

void MapEditorController::setMapChoices(const std::vector<std::string> &names)
{
    choices_ = names;
    QStringList texts;
    int chosen = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string &name = names[i];
        texts << (isShippedMap(name) ? tr("%1 (als Kopie)").arg(Texts::mapName(name)) : Texts::mapName(name));
        if (name == (fileName_.empty() ? opened_ : fileName_))
            chosen = static_cast<int>(i);
    }
    screen_.setOpenableMaps(texts, chosen);
}

void MapEditorController::enter(const std::string &chosen)
{
    // Pictures changed on disk since the last visit are seen.
    pictures_ = PictureCache();
    std::vector<QImage> palette;
    QString missing;
    for (const std::string &state : Palette::states()) {
        QImage picture;
        if (!state.empty()) {
            try {
                picture = pictures_.load(cellPicturePath(state));
            } catch (const std::exception &e) {
                if (missing.isEmpty())
                    missing = Texts::error(e);
            }
        }
        palette.push_back(picture);
    }
    screen_.palette().setPictures(palette);
    screen_.palette().showBrush(brush_);
    screen_.showBrush(Texts::cellStateName(brush_));
    if (!chosen.empty()) {
        if (!entered_)
            newMap();
        entered_ = true;
        openMap(chosen);
        setMapChoices(choices_);
    } else if (!entered_) {
        entered_ = true;
        newMap();
    } else {
        for (int n = 1; n <= kCells; ++n)
            screen_.field().setCellPicture(n, pictures_.load(cellPicturePath(cells_[static_cast<std::size_t>(n)])));
    }
    screen_.field().setFocus();
    if (!missing.isEmpty())
        emit errorOccurred(missing);
}

void MapEditorController::showMap(const MapCells &cells, const std::vector<QImage> &pictures, const QString &name,
                                  const std::string &fileName)
{
    cells_ = cells;
    for (int n = 1; n <= kCells; ++n)
        screen_.field().setCellPicture(n, pictures[static_cast<std::size_t>(n)]);
    history_.clear();
    fileName_ = fileName;
    screen_.showSaved(false);
    screen_.nameEntry().setText(name);
    showTaxes();
    saved_ = content();
    showState();
}

void MapEditorController::newMap()
{
    const MapCells cells = filledCells(kNewMapState);
    const std::vector<QImage> pictures(kCells + 1, pictures_.load(cellPicturePath(kNewMapState)));
    typedTaxes_ = {false, false};
    showMap(cells, pictures, QString(), std::string());
}

bool MapEditorController::mayDiscard()
{
    return !hasUnsavedChanges() ||
           askYesNo(boxOwner_, tr("Karteneditor"),
                    tr("Die Änderungen an dieser Karte sind noch nicht gespeichert und gehen verloren. Trotzdem "
                       "fortfahren?"),
                    DefaultAnswer::No);
}

void MapEditorController::refuse(const QString &text)
{
    showMessageBox(boxOwner_, QMessageBox::Warning, tr("Karteneditor"), text);
}

// ---- The buttons ---------------------------------------------------------------

void MapEditorController::btneditornewClick()
{
    if (mayDiscard())
        newMap();
}

void MapEditorController::btneditoropenClick()
{
    const int index = screen_.openableChoice();
    if (index < 0 || index >= static_cast<int>(choices_.size()) || !mayDiscard())
        return;
    openMap(choices_[static_cast<std::size_t>(index)]);
}

void MapEditorController::openMap(const std::string &name)
{
    // Everything that can fail comes first.
    const LoadedMap map = readMap(name);
    const std::vector<QImage> pictures = loadCellPictures(map.lines);
    const MapCells cells = cellsOf(map);
    opened_ = name;
    // Incomes that are the land's taxes go on following the land; any other
    // number is the map maker's own.
    typedTaxes_ = {map.taxes != ownedLandTaxes(cells, Side::Red),
                   map.enemytaxes != ownedLandTaxes(cells, Side::Blue)};
    taxesEntry(Side::Red).setText(QString::number(map.taxes));
    taxesEntry(Side::Blue).setText(QString::number(map.enemytaxes));
    if (isShippedMap(name))
        showMap(cells, pictures, tr("Kopie von %1").arg(Texts::mapName(name)), std::string());
    else
        showMap(cells, pictures, QString::fromStdString(name), name);
}

bool MapEditorController::btneditorsaveClick()
{
    history_.end();
    QLineEdit &nameEntry = screen_.nameEntry();
    const QString trimmed = nameEntry.text().trimmed();
    if (trimmed != nameEntry.text())
        nameEntry.setText(trimmed);
    const std::string name = trimmed.toStdString();
    MapNameProblem problem = ownMapNameProblem(name);
    if (problem == MapNameProblem::None && Texts::isShippedMapName(trimmed))
        problem = MapNameProblem::Shipped;
    if (problem != MapNameProblem::None) {
        refuse(Texts::mapNameRefusal(problem));
        return false;
    }
    if (!hasOpponentBase(cells_)) {
        refuse(tr("Die Karte kann so nicht gespeichert werden: Sie braucht mindestens ein Feld der blauen Basis "
                  "(Blue_Base), denn nur wer die gegnerische Basis zerstört, gewinnt."));
        return false;
    }
    if (!hasPlayerBase(cells_)) {
        refuse(tr("Die Karte kann so nicht gespeichert werden: Sie braucht mindestens ein Feld der roten Basis "
                  "(Red_Base), denn das ist die Basis, die der Gegner angreift."));
        return false;
    }
    MapDraft draft;
    draft.name = name;
    draft.cells = cells_;
    // A number the rule does not take ends here with the integer error.
    draft.taxes = strtoint(taxesText(Side::Red).toStdString());
    draft.enemytaxes = strtoint(taxesText(Side::Blue).toStdString());
    // A link in the folder is never written through: the map takes its
    // place only when the player agrees, also when it was opened from it.
    const std::string path = mapPath(name);
    if (isLink(path)) {
        if (!askYesNo(boxOwner_, tr("Karteneditor"),
                      tr("%1 ist ein Verweis auf eine andere Datei. Soll er durch eine eigene Datei mit dieser Karte "
                         "ersetzt werden? Die andere Datei bleibt, wie sie ist.")
                          .arg(QString::fromStdString(path)),
                      DefaultAnswer::No))
            return false;
    } else if (name != fileName_ && mapFileExists(name) &&
               !askYesNo(boxOwner_, tr("Karteneditor"),
                         tr("Eine eigene Karte \"%1\" gibt es schon. Soll sie überschrieben werden?").arg(trimmed),
                         DefaultAnswer::No)) {
        return false;
    }
    writeOwnMap(draft);
    fileName_ = name;
    saved_ = content();
    showState();
    screen_.showSaved(true);
    emit mapsChanged();
    return true;
}

void MapEditorController::btneditorplayClick()
{
    if (btneditorsaveClick())
        emit playRequested(fileName_);
}

void MapEditorController::btneditordeleteClick()
{
    if (fileName_.empty())
        return;
    const QString name = QString::fromStdString(fileName_);
    QString question = tr("Die Karte \"%1\" löschen? Die Datei %2 wird entfernt.")
                           .arg(name, QString::fromStdString(mapPath(fileName_)));
    // A game saved on the map goes with it: it could not be continued.
    const std::optional<int32_t> savedRound = savedRoundOn(fileName_);
    if (savedRound)
        question += ' ' + tr("Das gespeicherte Spiel auf dieser Karte (Runde %1) kann danach nicht fortgesetzt werden.")
                              .arg(*savedRound);
    if (!askYesNo(boxOwner_, tr("Karteneditor"), question, DefaultAnswer::No))
        return;
    if (!removeOwnMap(fileName_)) {
        refuse(tr("Die Datei %1 kann nicht gelöscht werden.").arg(QString::fromStdString(mapPath(fileName_))));
        return;
    }
    if (savedRound)
        removeFile(kSavePath);
    newMap();
    emit mapsChanged();
}

void MapEditorController::btneditorbackClick()
{
    history_.end();
    if (!mayDiscard())
        return;
    // What was not kept is gone; the next visit starts a new map.
    if (hasUnsavedChanges())
        newMap();
    emit leaveRequested();
}

// ---- Painting ------------------------------------------------------------------

void MapEditorController::setCell(int n, const std::string &state)
{
    // The picture first: a state without one changes nothing.
    const QImage &picture = pictures_.load(cellPicturePath(state));
    cells_[static_cast<std::size_t>(n)] = state;
    screen_.field().setCellPicture(n, picture);
}

void MapEditorController::beginStroke() { history_.begin(); }

void MapEditorController::strokeCell(int n)
{
    if (n < 1 || n > kCells || cells_[static_cast<std::size_t>(n)] == brush_)
        return;
    const std::string before = cells_[static_cast<std::size_t>(n)];
    setCell(n, brush_);
    history_.record(n, before);
    showTaxes();
    showState();
}

void MapEditorController::endStroke() { history_.end(); }

void MapEditorController::pickCell(int n)
{
    if (n >= 1 && n <= kCells)
        chooseBrush(cells_[static_cast<std::size_t>(n)]);
}

void MapEditorController::chooseBrush(const std::string &state)
{
    brush_ = state;
    screen_.palette().showBrush(state);
    screen_.showBrush(Texts::cellStateName(state));
}

void MapEditorController::undo()
{
    const std::vector<StrokeHistory::Change> changes = history_.undo();
    // Back in the reverse order of painting.
    for (auto it = changes.rbegin(); it != changes.rend(); ++it)
        setCell(it->first, it->second);
    showTaxes();
    showState();
}

} // namespace gw
