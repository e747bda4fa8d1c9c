// SPDX-License-Identifier: MIT
#include "ui/glancecontroller.h"

#include "rules/forecast.h"
#include "ui/gamecontroller.h"
#include "ui/panels/attackpanel.h"
#include "ui/panels/glancerow.h"
#include "ui/recordkeeper.h"
#include "ui/screens/gamescreen.h"

namespace gw {

GlanceController::GlanceController(GameController &game, GameScreen &screen, RecordKeeper &record, QObject *parent)
    : QObject(parent), game_(game), screen_(screen)
{
    // A result is shown before its round end runs, so the bars follow it at once.
    connect(&game, &GameController::skirmishStarted, this, &GlanceController::refresh);
    connect(&game, &GameController::roundEnded, this, &GlanceController::refresh);
    connect(&game, &GameController::gameDecided, this, &GlanceController::refresh);
    connect(&record, &RecordKeeper::gameContinued, this, &GlanceController::refresh);
    // The controller opens the prompt first; the forecast fills it.
    connect(&screen, &GameScreen::fightClicked, this, &GlanceController::showForecast);
}

void GlanceController::refresh()
{
    const GameState &s = game_.state();
    screen_.glance().show(s.rounds, s.basehp, s.enemybasehp);
}

void GlanceController::showForecast()
{
    const GameState &s = game_.state();
    screen_.attack().showForecast(playerForces(s), forecastBattle(playerForces(s), opponentDefenders(s)),
                                  s.enemybasehp);
}

} // namespace gw
