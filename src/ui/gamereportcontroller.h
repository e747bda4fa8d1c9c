// SPDX-License-Identifier: MIT
#pragma once

#include "rules/gamecourse.h"
#include "rules/movelog.h"

#include <QObject>
#include <QString>

#include <optional>

namespace gw {

class GameController;
class GameScreen;
class RecordKeeper;

// The game report of a decided game: once a result decides it, the result
// panels and the battle report offer "Spielbericht", which works the
// game's course out from its move log (the log of a continued game reaches
// back to its start, so the report covers every round) and shows it. The
// report shows both sides' gold and income, which neither side sees of the
// other while the game goes on, so it exists only once the game is decided.
class GameReportController : public QObject {
    Q_OBJECT
public:
    GameReportController(GameController &game, RecordKeeper &record, GameScreen &screen, QObject *parent);

    // The decided game's log: the buttons that open the report appear.
    void gameKept(const MoveLog &log);
    // A game begins or goes on: no report until it is decided.
    void gameOpened();
    // "Spielbericht": the course, worked out the first time, shown.
    void btngamereportClick();

    // The course of the report last opened; none before.
    const GameCourse *course() const { return course_ ? &*course_ : nullptr; }

signals:
    void errorOccurred(const QString &text);

private:
    void setAvailable(bool available);

    GameScreen &screen_;
    MoveLog log_;
    std::optional<GameCourse> course_;
};

} // namespace gw
