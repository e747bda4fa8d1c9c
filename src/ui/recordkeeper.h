// SPDX-License-Identifier: MIT
#pragma once

#include "core/savegame.h"
#include "rules/movelog.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace gw {

class GameController;
class GameScreen;
class MainMenu;
class RecordLines;
class SkirmishScreen;
class StatsKeeper;
struct EnemyTurnResult;

// The player's record: the game in progress with its move log saved to
// "savegame.gws" after every round end (and every half of a game of two)
// and when the game is left, continued from the skirmish screen, removed
// once a result decides it; the decided game's log kept as the last game
// ("lastgame.gwr"); and the statistics per map of games against the
// computer. It follows the game through the controller's and the screens'
// signals.
class RecordKeeper : public QObject {
    Q_OBJECT
public:
    RecordKeeper(GameController &game, GameScreen &screen, SkirmishScreen &skirmish, MainMenu &menu,
                 QWidget *window);

    // The skirmish screen opens: the saved game (if it can be read) with its
    // button, and the chosen map's statistics. A save that cannot be read is
    // reported once.
    void refresh();
    // The statistics of the map at the level a new game would start at.
    void showStatistics(const std::string &mapName);
    // The options' level changed.
    void levelChosen(int32_t level) { level_ = level; }
    // "Fortsetzen": the saved game in the record, the game screen exactly as
    // it was left. A save that cannot be read is reported and changes
    // nothing.
    void btncontinueClick();
    // "Starten" with a game saved that could be continued: asks whether the
    // new game may take its place ("Nein" is the default and answers
    // Escape). True, without a question, when there is no such save.
    bool confirmNewGame();
    // The saved game, when it can be continued.
    std::optional<SavedGame> continuableGame() const;
    // The game goes on with other players (the computer instead of a
    // network game's guest): its move log starts afresh from the record as
    // it stands, since one log holds one kind of game, and it is saved.
    void playersChanged();

signals:
    // A saved game goes on; the game screen may show.
    void gameContinued(const std::string &mapName);
    // A result decided the game, and this is its whole log (a game
    // continued from a save has it from its start).
    void gameKept(const MoveLog &log);
    void errorOccurred(const QString &text);

private:
    // What is on disk under the save's name.
    struct SaveCheck {
        bool exists = false;
        QString problem; // why it cannot be continued; empty when it can
        SavedGame game;
        std::vector<QImage> pictures;
        bool usable() const { return exists && problem.isEmpty(); }
    };
    SaveCheck checkSave() const;
    QString faultText(const SaveReadResult &read) const;
    void reportBadSave(const SaveCheck &check);

    // The controller's and screens' moments.
    void newGame(const std::string &mapName);
    void movePlayed(Side side, const Move &move);
    void roundEnded(const EnemyTurnResult &turn);
    void turnPassed(Side next, const EnemyTurnResult &lastMove);
    void gameDecided(bool victory);
    // The decided game's log becomes the last game.
    void keepLastGame();
    void leaveGame();
    // Writes the game in progress; a failure is reported once per game.
    void save();

    GameController &game_;
    QWidget *window_;
    GameScreen &screen_;
    SkirmishScreen &skirmish_;
    RecordLines *lines_;
    StatsKeeper *stats_;

    // The game in progress, as far as the record does not hold it.
    bool playing_ = false; // started or continued, and not decided or left
    std::string mapName_;
    SavedMove lastMove_;
    bool redraw_ = false;
    // The game's move log (empty for a game continued from a save without
    // one), and the winner once a result has decided the game.
    MoveLog log_;
    std::optional<Side> winner_;
    bool saveFailureShown_ = false;
    // The damaged save last reported when the screen opened, so the same
    // file is not reported again and again.
    QString reportedSave_;
    int32_t level_ = 0;
};

} // namespace gw
