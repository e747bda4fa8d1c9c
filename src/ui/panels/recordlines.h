// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <cstdint>
#include <string>

class QPushButton;
class QWidget;

namespace gw {

class TextLabel;
struct MapRecord;

// The player's record on the skirmish screen: the chosen map's statistics
// under its preview, and the saved game with its "Fortsetzen" button.
class RecordLines : public QObject {
    Q_OBJECT
public:
    explicit RecordLines(QWidget *skirmishScreen);

    // "Siege: 3 · Niederlagen: 1 · Rekord: 27 Runden (Leicht)", with the
    // opponent's level the figures were counted at.
    void showStatistics(const MapRecord &record, int32_t level);
    // The button and "Mittelmeer, Runde 27" beside it, with the level when
    // it is not "Leicht": "Mittelmeer, Runde 27, Schwer"; a game of two
    // says so instead: "Mittelmeer, Runde 27, zu zweit".
    void showSavedGame(const std::string &mapName, int32_t rounds, int32_t level, bool twoPlayers = false);
    // No game to continue: the button and its line are hidden.
    void hideSavedGame();

signals:
    void continueClicked();

private:
    TextLabel *labstats_;
    QPushButton *btncontinue_;
    TextLabel *labsavegame_;
};

} // namespace gw
