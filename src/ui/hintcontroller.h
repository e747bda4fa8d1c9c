// SPDX-License-Identifier: MIT
#pragma once

#include "rules/enemyturn.h"

#include <QObject>
#include <QString>

#include <deque>
#include <set>

namespace gw {

class GameController;
class GameScreen;
class OptionsController;
class RecordKeeper;

// Hints for a player's first game ("Tipps" on the options screen): at the
// moments a new player is stuck, the line above "Information" tells the next
// sensible step, until the player's next command. Each hint comes once a
// game: the first round, after the first recruits are bought, the first time
// the opponent builds and the first time it attacks, the first battle
// report. A hint only shows: it never spends a turn, and it stands in the
// status strip, never over the field.
class HintController : public QObject {
    Q_OBJECT
public:
    enum class Hint { Land, Recruits, Report, Attacked, Built };

    HintController(GameController &game, GameScreen &screen, OptionsController &options, RecordKeeper &record,
                   QObject *parent);

    // The hint's text in the current language, "Tipp: " and all.
    static QString text(Hint hint);

private:
    // A new or continued game: nothing shown yet in it; the first round's hint.
    void gameOpened();
    void roundEnded(const EnemyTurnResult &turn);
    void gameDecided();
    // The hint shown, if any, gives way to the last move again.
    void clear();
    void hintsSwitched(bool on);
    // Shows the next hint waiting, if the hints are on.
    void showNext();
    void queue(Hint hint);
    // A hint no longer wanted in this game, shown or not.
    void done(Hint hint);

    GameController &game_;
    GameScreen &screen_;
    OptionsController &options_;
    std::set<Hint> given_; // shown or waiting in this game
    std::deque<Hint> waiting_;
    bool shown_ = false;
};

} // namespace gw
