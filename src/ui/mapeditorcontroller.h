// SPDX-License-Identifier: MIT
#pragma once

#include "map/mapwriter.h"
#include "ui/strokehistory.h"
#include "ui/widgets/picturecache.h"

#include <QObject>
#include <QString>

#include <array>
#include <string>
#include <vector>

class QLineEdit;
class QWidget;

namespace gw {

class MapEditorScreen;

// The map editor's work: the map being edited with its name and incomes,
// the brush, the strokes to take back, opening, saving and deleting the
// player's own maps. A shipped map is only ever opened as a copy.
class MapEditorController : public QObject {
    Q_OBJECT
public:
    // Connects itself to the editor's widgets. Boxes are owned by boxOwner.
    MapEditorController(MapEditorScreen &screen, QWidget *boxOwner);

    // The maps there are, as the skirmish screen lists them (the shipped
    // ones, then the own ones); "Öffnen" offers them.
    void setMapChoices(const std::vector<std::string> &names);
    // The editor opens: the palette and the field drawn from the pictures as
    // they are now, with the map chosen on the skirmish screen (a shipped
    // map as a copy, as "Öffnen" does); without one, the map edited last (a
    // new one the first time). Throws GameError when a picture or the chosen
    // map cannot be read; the editor then holds the map it had.
    void enter(const std::string &chosen = std::string());

    void btneditornewClick();
    // Opens the map chosen in the list: an own map to change it, a shipped
    // one as a copy under a new name. Throws GameError, with nothing
    // changed, when the map cannot be read.
    void btneditoropenClick();
    // Checks the name, the opponent's base and the incomes, asks before
    // replacing another own map, then writes the file. False when a check
    // refused it or the player declined. Throws GameError when the file
    // cannot be written; the old file then stays whole.
    bool btneditorsaveClick();
    // Saves like "Speichern", then asks for a skirmish on the map.
    void btneditorplayClick();
    // Removes the own map being edited, after a question.
    void btneditordeleteClick();
    // "Zurück" or Escape; asks first when something is not saved.
    void btneditorbackClick();
    // Ctrl+Z: takes back the last stroke.
    void undo();

    void beginStroke();
    void strokeCell(int n);
    void endStroke();
    void pickCell(int n);
    void chooseBrush(const std::string &state);

    const MapCells &cells() const { return cells_; }
    // The own map the editor holds (opened or saved), "" when none.
    const std::string &mapFile() const { return fileName_; }
    const std::string &brush() const { return brush_; }
    bool hasUnsavedChanges() const { return content() != saved_; }

signals:
    // An own map was saved or deleted.
    void mapsChanged();
    // The map is saved; a skirmish on it is wanted.
    void playRequested(const std::string &name);
    void leaveRequested();
    void errorOccurred(const QString &text);

private:
    // What saving writes, as far as the player sees it.
    struct Content {
        MapCells cells;
        QString name, taxes, enemyTaxes;
        bool operator!=(const Content &o) const
        {
            return cells != o.cells || name != o.name || taxes != o.taxes || enemyTaxes != o.enemyTaxes;
        }
    };
    Content content() const;
    // The income a side's entry stands for: the player's own number, or the
    // taxes of the land the side owns.
    QString taxesText(Side side) const;
    // The income entry of a side.
    QLineEdit &taxesEntry(Side side) const;
    void taxesEdited(Side side, const QString &text);
    void showTaxes();
    // Puts a map into the editor; `pictures` are its cells' (index 1..220).
    void showMap(const MapCells &cells, const std::vector<QImage> &pictures, const QString &name,
                 const std::string &fileName);
    void newMap();
    // Puts the map of this name into the editor, a shipped one as a copy.
    // Throws GameError, with nothing changed, when it cannot be read.
    void openMap(const std::string &name);
    void setCell(int n, const std::string &state);
    void showState();
    // The player agrees to lose what is not saved (or nothing is unsaved).
    bool mayDiscard();
    void refuse(const QString &text);

    MapEditorScreen &screen_;
    QWidget *boxOwner_;
    PictureCache pictures_;
    MapCells cells_;
    std::string brush_ = "None_Water";
    StrokeHistory history_;
    // The own map the editor's content belongs to: opened or last saved;
    // empty for a new map or a shipped map's copy.
    std::string fileName_;
    std::array<bool, 2> typedTaxes_{}; // Side::Red, Side::Blue
    Content saved_;
    bool entered_ = false;
    std::vector<std::string> choices_;
    // The map opened last (a shipped one's copy has no file of its own), which
    // the list offers while the editor holds no own map.
    std::string opened_;
};

} // namespace gw
