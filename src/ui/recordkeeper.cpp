// SPDX-License-Identifier: MIT
#include "ui/recordkeeper.h"

#include "core/gameerror.h"
#include "core/safefile.h"
#include "core/saturate.h"
#include "core/textfile.h"
#include "map/mapfile.h"
#include "rules/enemyturn.h"
#include "ui/fieldredraw.h"
#include "ui/gamecontroller.h"
#include "ui/panels/purchasepanel.h"
#include "ui/panels/recordlines.h"
#include "ui/panels/resultpanel.h"
#include "ui/panels/trainingpanel.h"
#include "ui/screens/gamescreen.h"
#include "ui/screens/mainmenu.h"
#include "ui/screens/skirmishscreen.h"
#include "ui/statskeeper.h"
#include "ui/texts.h"
#include "ui/widgets/guard.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/picturecache.h"

#include <algorithm>
#include <utility>

namespace gw {

namespace {

// A save is a few kilobytes, and its move log some 60 bytes a round;
// anything near this is no save of ours.
constexpr std::size_t kMaxSaveBytes = 16 * 1024 * 1024;

SavedMove savedMove(const EnemyTurnResult &turn)
{
    SavedMove m;
    m.shown = true;
    m.action = turn.action;
    m.tier = turn.tier;
    m.amount = turn.amount;
    m.damage = turn.battle ? saturate(int64_t{turn.battle->basehpBefore} - turn.battle->basehpAfter) : 0;
    m.troops = turn.battle && turn.battle->hadAttackers();
    m.cellTaken = turn.cellTaken;
    m.cell = turn.newState;
    if (turn.move.kind == Move::Kind::Purchase)
        m.counts = turn.move.purchase;
    else if (turn.move.kind == Move::Kind::Training)
        std::copy(turn.move.training.begin(), turn.move.training.end(), m.counts.begin());
    return m;
}

std::optional<EnemyTurnResult> lastMoveOf(const SavedMove &m)
{
    if (!m.shown)
        return std::nullopt;
    EnemyTurnResult turn;
    turn.action = m.action;
    turn.tier = m.tier;
    turn.amount = m.amount;
    turn.cellTaken = m.cellTaken;
    turn.newState = m.cell;
    // An order or training of several kinds, as far as the file keeps it.
    if (m.action >= 1 && m.action <= 5) {
        turn.move = Move::order(m.counts);
    } else if (m.action >= 6 && m.action <= 9) {
        TrainingOrder t{};
        std::copy(m.counts.begin(), m.counts.begin() + t.size(), t.begin());
        turn.move = Move::train(t);
    }
    if (m.action == 11) {
        // As much of the battle as the line tells: the damage, and whether
        // any troops attacked.
        turn.battle = BattleResult{};
        turn.battle->basehpBefore = m.damage;
        turn.battle->stages[0].attackersAtStart = m.troops ? 1 : 0;
    }
    return turn;
}

// The counts an entry line's cost slots stand for (count x price each).
template <std::size_t N>
std::array<int32_t, N> countsOf(const std::array<int32_t, N> &costs, const std::array<int32_t, N> &prices)
{
    std::array<int32_t, N> counts{};
    for (std::size_t i = 0; i < N; ++i)
        counts[i] = std::clamp(costs[i] / prices[i], 0, kMaxOrderCount);
    return counts;
}

} // namespace

RecordKeeper::RecordKeeper(GameController &game, GameScreen &screen, SkirmishScreen &skirmish, MainMenu &menu,
                           QWidget *window)
    : QObject(window), game_(game), window_(window), screen_(screen), skirmish_(skirmish),
      lines_(new RecordLines(&skirmish)), stats_(new StatsKeeper(this))
{
    // Errors go where the game's own go: into the "Grimsward" box.
    connect(this, &RecordKeeper::errorOccurred, &game, &GameController::errorOccurred);
    connect(stats_, &StatsKeeper::errorOccurred, this, &RecordKeeper::errorOccurred);
    const auto report = [this](const QString &text) { emit errorOccurred(text); };
    // The window connects its own handlers first, so a damaged save is
    // reported with the skirmish screen already up. Nothing else here
    // depends on the order.
    connectGuarded(&menu, &MainMenu::skirmishClicked, this, &RecordKeeper::refresh, report);
    connectGuarded(&skirmish, &SkirmishScreen::mapChosen, this, &RecordKeeper::showStatistics, report);
    connectGuarded(lines_, &RecordLines::continueClicked, this, &RecordKeeper::btncontinueClick, report);
    connectGuarded(&game, &GameController::skirmishStarted, this, &RecordKeeper::newGame, report);
    connectGuarded(&game, &GameController::movePlayed, this, &RecordKeeper::movePlayed, report);
    connectGuarded(&game, &GameController::roundEnded, this, &RecordKeeper::roundEnded, report);
    connectGuarded(&game, &GameController::turnPassed, this, &RecordKeeper::turnPassed, report);
    connectGuarded(&game, &GameController::gameDecided, this, &RecordKeeper::gameDecided, report);
    connectGuarded(&screen, &GameScreen::leaveClicked, this, &RecordKeeper::leaveGame, report);
}

// ---- The skirmish screen -------------------------------------------------------

void RecordKeeper::refresh()
{
    const SaveCheck check = checkSave();
    if (check.usable())
        lines_->showSavedGame(check.game.mapName, check.game.state.rounds, check.game.state.enemylevel,
                              check.game.players == static_cast<int32_t>(Players::SameScreen));
    else
        lines_->hideSavedGame();
    if (check.exists && !check.usable() && check.problem != reportedSave_) {
        reportedSave_ = check.problem;
        reportBadSave(check);
    }
    showStatistics(skirmish_.chosenMap());
    skirmish_.setReplayAvailable(fileExists(kLastGamePath));
}

void RecordKeeper::showStatistics(const std::string &mapName)
{
    lines_->showStatistics(stats_->record(mapName, level_), level_);
}

RecordKeeper::SaveCheck RecordKeeper::checkSave() const
{
    SaveCheck check;
    check.exists = fileExists(kSavePath);
    if (!check.exists)
        return check;
    try {
        const SaveReadResult read = readSaveText(readFileBytes(kSavePath, kMaxSaveBytes), mapFileExists);
        if (read.fault != SaveFault::None) {
            check.problem = faultText(read);
            return check;
        }
        check.game = read.game;
        check.pictures = loadCellPictures(read.game.state.memgame.lines());
    } catch (const GameError &e) {
        check.problem = Texts::error(e);
    }
    return check;
}

QString RecordKeeper::faultText(const SaveReadResult &read) const
{
    const QString text = QString::fromStdString(quotedText(read.text));
    switch (read.fault) {
    case SaveFault::None: break;
    case SaveFault::NotASave: return tr("die Datei ist kein Spielstand von Grimsward");
    case SaveFault::WrongVersion:
        return tr("das Dateiformat hat die Version %1, gelesen wird Version %2").arg(text).arg(kSaveFormatVersion);
    case SaveFault::Binary: return tr("Zeile %1 enthält Steuerzeichen oder Binärdaten").arg(read.line);
    case SaveFault::BadNumber: return tr("Zeile %1: '%2' ist keine gültige Zahl").arg(read.line).arg(text);
    case SaveFault::BadValue: return tr("Zeile %1: der Wert %2 ist hier nicht erlaubt").arg(read.line).arg(text);
    case SaveFault::UnknownEntry: return tr("Zeile %1: unbekannter Eintrag '%2'").arg(read.line).arg(text);
    case SaveFault::DuplicateEntry: return tr("Zeile %1: der Eintrag '%2' steht doppelt").arg(read.line).arg(text);
    case SaveFault::MissingEntry: return tr("der Eintrag '%1' fehlt").arg(text);
    case SaveFault::UnknownMap: return tr("Zeile %1: unbekannte Karte '%2'").arg(read.line).arg(text);
    case SaveFault::CutOff: return tr("die Datei ist unvollständig");
    case SaveFault::ExtraText: return tr("Zeile %1: unerwarteter Text '%2'").arg(read.line).arg(text);
    }
    return QString();
}

void RecordKeeper::reportBadSave(const SaveCheck &check)
{
    const QString path = QString::fromUtf8(kSavePath);
    emit errorOccurred(tr("Der gespeicherte Spielstand kann nicht fortgesetzt werden: %1. Die Datei %2 "
                                "bleibt unverändert; ein neues Spiel legt sie als %3 beiseite.")
                                 .arg(check.problem, path, QString::fromStdString(asideName(kSavePath))));
}

void RecordKeeper::btncontinueClick()
{
    const SaveCheck check = checkSave();
    if (!check.usable()) {
        lines_->hideSavedGame();
        if (check.exists)
            reportBadSave(check);
        return;
    }
    const SavedGame &saved = check.game;
    GameState &state = game_.state();
    restoreGame(state, saved);
    game_.random().seed(saved.random);
    const auto players = saved.players == 2 ? Players::SameScreen : Players::Computer;
    game_.resumeTurn(players, saved.turn);
    game_.openGame(check.pictures, lastMoveOf(saved.lastMove));
    // The entries the player had typed, and their cost slots with them.
    screen_.purchase().setCounts(countsOf(
        {state.costslot1, state.costslot2, state.costslot3, state.costslot4, state.costslot5}, kPurchasePrices));
    screen_.training().setCounts(countsOf(
        {state.traincostslot1, state.traincostslot2, state.traincostslot3, state.traincostslot4}, kTrainingFees));
    setPurchaseSlots(state, screen_.purchase().counts());
    setTrainingSlots(state, screen_.training().counts());
    screen_.purchase().showTotal();
    screen_.training().showTotal();
    if (saved.redraw)
        game_.redraw().enable();
    else
        game_.redraw().stop();

    playing_ = true;
    mapName_ = saved.mapName;
    lastMove_ = saved.lastMove;
    redraw_ = saved.redraw;
    saveFailureShown_ = false;
    // The log goes on where it stopped; one that cannot be read (or is not
    // this game's) is dropped, and the game goes on without a replay.
    const LogReadResult log = readMoveLog(saved.log);
    log_ = log.fault == LogFault::None && log.log.players == players ? log.log : MoveLog{};
    winner_.reset();
    emit gameContinued(mapName_);
}

bool RecordKeeper::confirmNewGame()
{
    const SaveCheck check = checkSave();
    if (!check.usable())
        return true;
    return askYesNo(window_, tr("Bestätigung"),
                    tr("Das gespeicherte Spiel (%1, Runde %2) geht dabei verloren. Neues Spiel starten?")
                        .arg(Texts::mapName(check.game.mapName))
                        .arg(check.game.state.rounds),
                    DefaultAnswer::No);
}

std::optional<SavedGame> RecordKeeper::continuableGame() const
{
    SaveCheck check = checkSave();
    if (!check.usable())
        return std::nullopt;
    return std::move(check.game);
}

// ---- The game ----------------------------------------------------------------

void RecordKeeper::playersChanged()
{
    if (!playing_)
        return;
    log_.begin(mapName_, game_.players(), game_.random().state(), game_.state());
    save();
}

void RecordKeeper::newGame(const std::string &mapName)
{
    // A save that cannot be read is kept for the player under another name
    // before the new game's save takes its place.
    const SaveCheck check = checkSave();
    if (check.exists && !check.usable())
        setFileAside(kSavePath);
    reportedSave_.clear();
    playing_ = true;
    mapName_ = mapName;
    lastMove_ = SavedMove{};
    redraw_ = false;
    saveFailureShown_ = false;
    // The generator has drawn nothing of this game yet.
    log_.begin(mapName, game_.players(), game_.random().state(), game_.state());
    winner_.reset();
    save();
}

void RecordKeeper::movePlayed(Side side, const Move &move)
{
    if (!log_.empty())
        log_.addMove(side, move);
}

void RecordKeeper::roundEnded(const EnemyTurnResult &turn)
{
    if (!log_.empty())
        log_.closeRound(game_.state());
    if (winner_) {
        keepLastGame();
        return;
    }
    lastMove_ = savedMove(turn);
    // The redraw only ever starts in a round end, so its state now is its
    // state until the next one.
    redraw_ = game_.redraw().isActive();
    save();
}

void RecordKeeper::turnPassed(Side next, const EnemyTurnResult &lastMove)
{
    // The round's first half is over: Blue is on turn, which a continued
    // game has to know. (The second half ends with the round, saved above.)
    if (next != Side::Blue)
        return;
    lastMove_ = savedMove(lastMove);
    save();
}

void RecordKeeper::gameDecided(bool victory)
{
    if (!playing_)
        return;
    playing_ = false;
    // The round end that follows closes the log's last round.
    winner_ = victory ? Side::Red : Side::Blue;
    // Nothing is left to continue. Where the save could be written, it can
    // be removed.
    removeFile(kSavePath);
    // The statistics count games against the computer.
    if (game_.players() != Players::Computer)
        return;
    const bool newRecord = stats_->count(mapName_, game_.state().enemylevel, victory, game_.state().rounds);
    if (victory && newRecord)
        screen_.victory().showNote(tr("Neuer Rekord!"));
}

void RecordKeeper::keepLastGame()
{
    const std::optional<Side> won = std::exchange(winner_, std::nullopt);
    if (log_.empty())
        return;
    log_.finish(*won);
    const MoveLog log = std::exchange(log_, MoveLog{});
    emit gameKept(log);
    writeFileAtomically(kLastGamePath, moveLogText(log));
}

void RecordKeeper::leaveGame()
{
    save();
    playing_ = false;
}

void RecordKeeper::save()
{
    if (!playing_)
        return;
    SavedGame g;
    g.mapName = mapName_;
    g.state = game_.state();
    g.random = game_.random().state();
    g.redraw = redraw_;
    g.lastMove = lastMove_;
    g.players = static_cast<int32_t>(game_.players());
    g.turn = game_.turn();
    if (!log_.empty())
        g.log = moveLogLines(log_);
    try {
        writeFileAtomically(kSavePath, saveText(g));
    } catch (const GameError &e) {
        if (!saveFailureShown_) {
            saveFailureShown_ = true;
            emit errorOccurred(Texts::error(e));
        }
    }
}

} // namespace gw
