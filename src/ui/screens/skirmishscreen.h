// SPDX-License-Identifier: MIT
#pragma once

#include "rules/movelog.h"
#include "ui/widgets/framewidgets.h"

#include <string>
#include <vector>

class QComboBox;
class QPushButton;

namespace gw {

class PictureBox;
class TextLabel;

// The skirmish screen: the map list with its preview, back and start, the
// choice of who plays Blue, the way into the map editor, to the replay of
// the last game and to a network game. The list holds the shipped maps, then the player's own
// maps by name.
class SkirmishScreen : public Panel {
    Q_OBJECT
public:
    explicit SkirmishScreen(QWidget *window);
    ~SkirmishScreen() override;

    // The map the list has in force, the one a start loads.
    const std::string &chosenMap() const;
    // Shows the map in force in the list again (entering the screen, or
    // after text that names no map).
    void showMapChoice();
    // Takes a remembered map as the choice; false, with nothing changed,
    // when the name is no map of the list or its preview cannot be loaded.
    bool restoreMapChoice(const std::string &name);
    // Makes a map the choice as a pick in the list does (mapChosen follows);
    // false, with nothing changed, as for restoreMapChoice.
    bool chooseMapNamed(const std::string &name);
    // Lists the own maps afresh (entering the screen, after the editor saved
    // or deleted one). The map in force stays chosen, its preview drawn
    // again; when it is gone, the first map is chosen.
    void refreshMapList();
    // The maps the list offers, in its order.
    const std::vector<std::string> &mapNames() const { return names_; }
    // "Spiel gegen:": the computer, or a second player at this screen.
    Players players() const { return players_; }
    // "Wiederholung" is offered while a last game is kept.
    void setReplayAvailable(bool available);

    // The list's selected entry changed: loads its preview and makes it the
    // map in force. Throws GameError when the preview cannot be loaded; the
    // previous map then stays chosen and the list shows it again.
    void maplistChange();

protected:
    void retranslate() override;

signals:
    // The list's selected entry changed (connect to maplistChange).
    void mapEntryChanged();
    // A new map is in force.
    void mapChosen(const std::string &name);
    void backClicked();
    void startClicked();
    // "Karteneditor".
    void editorClicked();
    // Another choice of "Spiel gegen:".
    void playersChosen(Players players);
    // "Wiederholung".
    void replayClicked();
    // "Netzwerkspiel".
    void networkClicked();

private:
    TextLabel *labmap_;
    PictureBox *mappreview_, *back_, *start_;
    QComboBox *maplist_;
    QPushButton *btnmapeditor_;
    TextLabel *labplayers_;
    QPushButton *btnplayers_;
    Players players_ = Players::Computer;
    QPushButton *btnreplay_;
    QPushButton *btnnetwork_;
    // What the list offers: the shipped maps, then the own ones.
    std::vector<std::string> names_;
    // The entry of the map list that is in force.
    int mapChoice_ = 0;
    // Fills the list's entries from names_, without a change being reported.
    void fillList();
};

} // namespace gw
