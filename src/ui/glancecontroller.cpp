// SPDX-License-Identifier: MIT
#include "ui/glancecontroller.h"

#include "rules/forecast.h"
#include "rules/side.h"
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
    // In a game of two, a half can change both bases before the round ends.
    connect(&game, &GameController::turnPassed, this, &GlanceController::refresh);
    // The controller opens the prompt first; the forecast fills it.
    connect(&screen, &GameScreen::fightClicked, this, &GlanceController::showForecast);
}

void GlanceController::refresh()
{
    const GameState &s = game_.state();
    // The round being played: Red's half comes before the round counts,
    // Blue's after it; a decided game shows the round that decided it.
    const int32_t round = game_.turn() == Side::Red && !game_.decided() ? s.rounds + 1 : s.rounds;
    screen_.glance().show(round, s.basehp, s.enemybasehp, game_.players() != Players::Computer);
}

void GlanceController::showForecast()
{
    // The side on turn attacks: Red, or Blue in a game of two.
    const GameState s = game_.turn() == Side::Red ? game_.state() : mirrored(game_.state());
    screen_.attack().showForecast(playerForces(s), forecastBattle(playerForces(s), opponentDefenders(s)),
                                  s.enemybasehp);
}

} // namespace gw
