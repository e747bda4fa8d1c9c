// SPDX-License-Identifier: MIT
#include "ui/replaycontroller.h"

#include "core/cells.h"
#include "core/gameerror.h"
#include "core/textfile.h"
#include "rules/enemyturn.h"
#include "ui/gamecontroller.h"
#include "ui/panels/fieldpanel.h"
#include "ui/panels/replaybar.h"
#include "ui/panels/statusstrip.h"
#include "ui/screens/gamescreen.h"
#include "ui/texts.h"
#include "ui/widgets/guard.h"
#include "ui/widgets/messagebox.h"

#include <QTimer>

namespace gw {

ReplayController::ReplayController(GameController &game, GameScreen &screen, QWidget *window)
    : QObject(window), game_(game), screen_(screen), window_(window), timer_(new QTimer(this))
{
    timer_->setObjectName("treplay");
    // An error (a cell's picture that cannot be loaded) stops the replay
    // before its box shows, so no further tick brings another.
    const auto report = [this](const QString &text) {
        timer_->stop();
        if (replay_)
            showControls();
        emit errorOccurred(text);
    };
    connect(timer_, &QTimer::timeout, this, [this, report] { runGuarded(report, [this] { advance(); }); });
    ReplayBar &bar = screen.replayBar();
    connectGuarded(&bar, &ReplayBar::playClicked, this, &ReplayController::playClicked, report);
    connectGuarded(&bar, &ReplayBar::stepClicked, this, &ReplayController::stepClicked, report);
    connectGuarded(&bar, &ReplayBar::speedChanged, this, &ReplayController::speedChanged, report);
    connectGuarded(&bar, &ReplayBar::backClicked, this, &ReplayController::backClicked, report);
}

ReplayController::~ReplayController() = default;

bool ReplayController::isPlaying() const { return timer_->isActive(); }

void ReplayController::btnreplayClick()
{
    const LogReadResult read = readMoveLog(readFileBytes(kLastGamePath));
    if (!read.playable()) {
        showMessageBox(window_, QMessageBox::Warning, tr("Wiederholung"), readFault(read));
        return;
    }
    auto replay = std::make_unique<Replay>(read);
    // Every picture of the start is there before the screen changes.
    const std::vector<QImage> start = loadCellPictures(replay->state().memgame.lines());
    replay_ = std::move(replay);
    game_.setInputHeld(true);
    screen_.resetPanels();
    screen_.setReplaying(true);
    FieldPanel &field = screen_.field();
    for (int n = 1; n <= kCells; ++n) {
        const auto cell = static_cast<std::size_t>(n);
        field.setCellPicture(n, start[cell], replay_->state().memgame.line(cell));
        field.setCellCursor(n, Qt::ArrowCursor);
    }
    StatusStrip &strip = screen_.strip();
    strip.clearLastMove();
    strip.showFieldMode(0);
    if (replay_->log().players == Players::Computer)
        strip.showLevel(replay_->state().enemylevel);
    else
        strip.showTwoPlayers();
    showRecord();
    showControls();
    emit opened();
}

void ReplayController::playClicked()
{
    if (!replay_ || replay_->over())
        return;
    if (timer_->isActive()) {
        timer_->stop();
    } else {
        speedChanged();
        timer_->start();
    }
    showControls();
}

void ReplayController::stepClicked()
{
    if (replay_ && !timer_->isActive())
        advance();
}

void ReplayController::speedChanged() { timer_->setInterval(1000 / screen_.replayBar().roundsPerSecond()); }

void ReplayController::backClicked()
{
    stop();
    replay_.reset();
    screen_.setReplaying(false);
    emit closed();
}

void ReplayController::stop()
{
    timer_->stop();
    if (replay_)
        showControls();
}

void ReplayController::advance()
{
    if (!replay_ || replay_->over()) {
        stop();
        return;
    }
    const ReplayStep step = replay_->step(silent_);
    showRecord();
    if (step.blue)
        screen_.strip().showLastMove(turnResult(*step.blue, step.blueResult));
    if (step.outcome == ReplayStep::Outcome::Played)
        return;
    stop();
    if (step.outcome == ReplayStep::Outcome::Finished) {
        screen_.replayBar().showEnd(Texts::winner(*replay_->log().winner));
        return;
    }
    screen_.replayBar().showEnd(tr("abgebrochen"));
    showMessageBox(window_, QMessageBox::Warning, tr("Wiederholung"),
                   tr("In Runde %1 passt die Aufzeichnung nicht mehr zum Spiel: %2").arg(step.round).arg(parting(step)));
}

void ReplayController::showRecord()
{
    const GameState &s = replay_->state();
    FieldPanel &field = screen_.field();
    for (int n = 1; n <= kCells; ++n) {
        const std::string &cell = s.memgame.line(static_cast<std::size_t>(n));
        if (field.shownState(n) != cell)
            field.setCellPicture(n, pictures_.load(cellPicturePath(cell)), cell);
    }
    for (CounterLabel label : kCounterLabels)
        screen_.strip().showCounter(label, counterValue(s, label));
    screen_.replayBar().showRound(s.rounds, replay_->lastRound());
}

void ReplayController::showControls() { screen_.replayBar().showPlaying(timer_->isActive(), !replay_->over()); }

QString ReplayController::readFault(const LogReadResult &read) const
{
    const QString file = QString::fromUtf8(kLastGamePath);
    QString why;
    switch (read.fault) {
    case LogFault::None: break;
    case LogFault::NotALog: why = tr("sie ist keine Aufzeichnung eines Spiels von Grimsward"); break;
    case LogFault::WrongVersion:
        why = tr("sie hat das Format %1, gelesen wird Format %2")
                  .arg(QString::fromStdString(quotedText(read.text)))
                  .arg(kLogFormatVersion);
        break;
    case LogFault::CutOff: why = tr("sie ist unvollständig"); break;
    default: why = tr("Zeile %1 ist beschädigt").arg(read.line); break;
    }
    return tr("Die Datei %1 kann nicht wiedergegeben werden: %2.").arg(file, why);
}

QString ReplayController::parting(const ReplayStep &step) const
{
    const auto quoted = [](const std::string &text) { return QString::fromStdString(quotedText(text)); };
    switch (step.parting) {
    case ReplayParting::None: break;
    case ReplayParting::Refused: return tr("Der Zug \"%1\" ist nach den Regeln nicht möglich.").arg(quoted(step.detail));
    case ReplayParting::ChoiceDiffers: {
        const auto newline = step.detail.find('\n');
        return tr("Der Computer wählt \"%1\", aufgezeichnet ist \"%2\".")
            .arg(quoted(step.detail.substr(0, newline)), quoted(step.detail.substr(newline + 1)));
    }
    case ReplayParting::MoveMissing: return tr("Der Zug von Blau fehlt.");
    case ReplayParting::MoveAfterEnd: return tr("Nach der Zerstörung der blauen Basis folgt noch ein Zug.");
    case ReplayParting::HashDiffers: return tr("Der Spielstand nach der Runde ist nicht der aufgezeichnete.");
    case ReplayParting::Unreadable: return tr("Zeile %1 der Datei ist beschädigt.").arg(quoted(step.detail));
    case ReplayParting::CutOff: return tr("Die Aufzeichnung endet, bevor das Spiel entschieden war.");
    case ReplayParting::ResultDiffers: return tr("Das Spiel endet anders, als die Aufzeichnung sagt.");
    }
    return QString();
}

} // namespace gw
