// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/framewidgets.h"

#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace gw {

class EditorField;
class Palette;
class TextLabel;

// The map editor, "Karteneditor", over the whole window like the game
// screen: the field at the game screen's place, the palette below it, the
// map's name and the two starting incomes, the list of maps to open and
// the buttons. It builds and shows; what the buttons do is the
// controller's.
class MapEditorScreen : public Panel {
    Q_OBJECT
public:
    explicit MapEditorScreen(QWidget *window);

    EditorField &field() { return *field_; }
    Palette &palette() { return *palette_; }
    QLineEdit &nameEntry() { return *name_; }
    // The player's income (Red) and the opponent's (Blue).
    QLineEdit &taxesEntry() { return *taxes_; }
    QLineEdit &enemyTaxesEntry() { return *enemyTaxes_; }

    // The maps "Öffnen" offers, as the list shows them; the chosen index.
    void setOpenableMaps(const QStringList &texts, int chosen);
    int openableChoice() const;
    void showBrush(const QString &text);
    // The line that says whether the map has changes not yet saved, or
    // "Gespeichert." right after a save until the next change (or another
    // map).
    void showUnsaved(bool unsaved);
    void showSaved(bool saved);
    void setDeleteEnabled(bool enabled);

signals:
    void saveClicked();
    void playClicked();
    void newClicked();
    void deleteClicked();
    void backClicked();
    void openClicked();
    // Ctrl+Z anywhere on the editor but in a text entry, which has its own.
    void undoPressed();

protected:
    void retranslate() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    EditorField *field_;
    Palette *palette_;
    TextLabel *labbrush_, *labname_, *labtaxes_, *labenemytaxes_, *labstatus_;
    QLineEdit *name_, *taxes_, *enemyTaxes_;
    QComboBox *maps_;
    QPushButton *open_, *new_, *delete_, *save_, *play_, *back_;
    QString brush_;
    bool unsaved_ = false, saved_ = false;
};

} // namespace gw
