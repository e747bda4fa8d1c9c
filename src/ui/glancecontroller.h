// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace gw {

class GameController;
class GameScreen;
class RecordKeeper;

// What the player sees of the game before deciding: the round and both
// bases' hit points at a glance, after every change (a new or a continued
// game, every round end, a result), and the forecast in the attack prompt
// when "Angreifen" opens it. It only reads the record.
class GlanceController : public QObject {
    Q_OBJECT
public:
    GlanceController(GameController &game, GameScreen &screen, RecordKeeper &record, QObject *parent);

    // The glance row from the record as it stands.
    void refresh();
    // The attack prompt's forecast for the player's forces as they stand
    // against the opponent's defenders and base.
    void showForecast();

private:
    GameController &game_;
    GameScreen &screen_;
};

} // namespace gw
