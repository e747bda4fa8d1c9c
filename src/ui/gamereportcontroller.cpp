// SPDX-License-Identifier: MIT
#include "ui/gamereportcontroller.h"

#include "ui/gamecontroller.h"
#include "ui/panels/gamereportpanel.h"
#include "ui/panels/reportpanel.h"
#include "ui/panels/resultpanel.h"
#include "ui/recordkeeper.h"
#include "ui/screens/gamescreen.h"
#include "ui/widgets/guard.h"

namespace gw {

GameReportController::GameReportController(GameController &game, RecordKeeper &record, GameScreen &screen,
                                           QObject *parent)
    : QObject(parent), screen_(screen)
{
    connect(this, &GameReportController::errorOccurred, &game, &GameController::errorOccurred);
    const auto report = [this](const QString &text) { emit errorOccurred(text); };
    connectGuarded(&record, &RecordKeeper::gameKept, this, &GameReportController::gameKept, report);
    connect(&game, &GameController::skirmishStarted, this, [this] { gameOpened(); });
    connect(&record, &RecordKeeper::gameContinued, this, [this] { gameOpened(); });
    for (ResultPanel *panel : {&screen.victory(), &screen.defeat()})
        connectGuarded(panel, &ResultPanel::reportClicked, this, &GameReportController::btngamereportClick, report);
    connectGuarded(&screen.report(), &ReportPanel::gameReportClicked, this, &GameReportController::btngamereportClick,
                   report);
}

void GameReportController::gameKept(const MoveLog &log)
{
    log_ = log;
    course_.reset();
    setAvailable(true);
}

void GameReportController::gameOpened()
{
    log_ = MoveLog{};
    course_.reset();
    setAvailable(false);
}

void GameReportController::btngamereportClick()
{
    if (log_.empty())
        return;
    if (!course_)
        course_ = gameCourse(log_);
    screen_.gameReport().showCourse(*course_);
}

void GameReportController::setAvailable(bool available)
{
    screen_.victory().setReportAvailable(available);
    screen_.defeat().setReportAvailable(available);
    screen_.report().setGameReportAvailable(available);
}

} // namespace gw
