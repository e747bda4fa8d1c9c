// SPDX-License-Identifier: MIT
#include "ui/netguestcontroller.h"

#include "core/cells.h"
#include "ui/gamecontroller.h"
#include "ui/nettexts.h"
#include "ui/panels/connectionpanel.h"
#include "ui/panels/reportpanel.h"
#include "ui/screens/gamescreen.h"
#include "ui/widgets/guard.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/pictures.h"

namespace gw {

NetGuestController::NetGuestController(GameController &game, GameScreen &screen, ConnectionPanel &panel,
                                       QWidget *window)
    : QObject(window), game_(game), screen_(screen), panel_(panel), window_(window)
{
    const auto report = [this](const QString &text) { emit errorOccurred(text); };
    connectGuarded(&net_, &NetGuest::joined, this, &NetGuestController::welcomed, report);
    connectGuarded(&net_, &NetGuest::viewReceived, this, &NetGuestController::showView, report);
    connectGuarded(&net_, &NetGuest::moveRefused, this, &NetGuestController::moveRefused, report);
    connect(&net_, &NetGuest::refused, this, [this](NetReason reason, const QString &program) {
        notLetIn(NetTexts::refused(reason, program));
    });
    connect(&net_, &NetGuest::disconnected, this, &NetGuestController::disconnected);
    connect(&game, &GameController::moveChosen, this, &NetGuestController::moveChosen);
    connect(&panel, &ConnectionPanel::rejoinClicked, this, [this] {
        if (playing_)
            rejoin();
    });
    connect(&panel, &ConnectionPanel::leaveClicked, this, [this] {
        if (playing_)
            screen_.btnendgameClick();
    });
}

QString NetGuestController::where() const { return QStringLiteral("%1:%2").arg(host_).arg(port_); }

bool NetGuestController::join(const QString &host, quint16 port, const QString &code)
{
    host_ = host;
    port_ = port;
    code_ = code;
    return net_.join(host, port, code);
}

void NetGuestController::rejoin()
{
    panel_.showStatus(tr("Verbinde mit %1 …").arg(where()));
    net_.join(host_, port_, code_);
}

void NetGuestController::welcomed(const wire::GameMap &, const SideView &view)
{
    const bool first = !playing_;
    game_.setKeptElsewhere(true);
    game_.setRemoteSide(Side::Red);
    sides_ = true;
    try {
        showView(view);
    } catch (...) {
        // A screen that cannot be drawn (a picture missing here): no game.
        if (first)
            gameLeft();
        throw;
    }
    playing_ = true;
    panel_.hide();
    if (first)
        emit joined();
    else
        panel_.showNote(tr("Wieder verbunden: Das Spiel geht weiter."));
}

void NetGuestController::showView(const SideView &view)
{
    // Every picture first, so a missing one changes nothing.
    std::vector<QImage> pictures(static_cast<std::size_t>(kCells) + 1);
    for (int n = 1; n <= kCells; ++n)
        pictures[static_cast<std::size_t>(n)] = pictures_.load(cellPicturePath(view.cell(n)));
    // The record as far as Blue knows it; what no view holds stays this
    // program's own (its switches, the map and level of its own games).
    GameState &state = game_.state();
    GameState known = recordOf(view);
    known.menustate = state.menustate;
    known.musicon = state.musicon;
    known.soundon = state.soundon;
    known.enemylevel = state.enemylevel;
    known.memtemp = state.memtemp;
    state = std::move(known);
    game_.resumeTurn(Players::SameScreen, view.onTurn);
    game_.openGame(pictures, told(view));

    // The report of the move just made: the winner's, or the side's that
    // passed the turn.
    const Side mover = view.winner ? *view.winner : otherSide(view.onTurn);
    std::vector<BattleResult> battles;
    for (const BattleResult &b : view.battles) {
        if (b.attackerIsPlayer == (mover == Side::Red) && b.hadAttackers())
            battles = {b};
    }
    if (view.winner) {
        // The box once, as at one screen; the result whenever the game is shown.
        if (!std::exchange(resultShown_, true))
            game_.notify(*view.winner == Side::Red ? Notice::BaseDestroyed : Notice::OwnBaseDestroyed);
        if (*view.winner == Side::Red)
            game_.showVictory(view.round - 1); // Red wins before the round is counted
        else
            game_.showDefeat(view.round);
        game_.resumeTurn(Players::SameScreen, view.onTurn); // the turn line of a decided game
    }
    if (!battles.empty())
        screen_.report().showBattleReport(battles, view.winner.has_value());
}

std::optional<EnemyTurnResult> NetGuestController::told(const SideView &view)
{
    if (!view.lastMove)
        return std::nullopt;
    const SeenMove &seen = *view.lastMove;
    MoveResult result;
    result.tier = seen.tier;
    result.amount = seen.amount;
    result.cell = seen.cell;
    result.cellTaken = seen.cellTaken;
    if (seen.cell >= 1 && seen.cell <= kCells)
        result.cellState = view.cell(seen.cell);
    if (seen.move.kind == Move::Kind::Attack) {
        for (const BattleResult &b : view.battles) {
            if (b.attackerIsPlayer == (seen.side == Side::Red))
                result.battle = b;
        }
    }
    EnemyTurnResult turn = turnResult(seen.move, result);
    // Of a purchase Blue learns the recruits only; one without recruits
    // is told as a purchase all the same.
    if (seen.move.kind == Move::Kind::Purchase && turn.amount == 0)
        turn.tier = 1;
    return turn;
}

void NetGuestController::moveChosen(const Move &move)
{
    if (!net_.sendMove(move)) {
        // Nothing went out (the line is down): the screen as the host last told it.
        if (net_.view())
            showView(*net_.view());
        return;
    }
    // Red is on turn until the host's answer says what the move did.
    game_.resumeTurn(Players::SameScreen, Side::Red);
}

void NetGuestController::moveRefused(const Move &move, MoveRefusal refusal, int kind)
{
    // Nothing changed: Blue is on turn again, and sees the box of one screen.
    if (net_.view())
        showView(*net_.view());
    if (const auto box = NetTexts::refusalBox(move, refusal, kind))
        showMessageBox(window_, QMessageBox::NoIcon, box->second, box->first);
}

void NetGuestController::notLetIn(const QString &text)
{
    if (playing_)
        panel_.showStatus(text);
    else
        emit failed(text);
}

void NetGuestController::disconnected(NetReason reason, const QString &detail)
{
    if (!playing_ || !panel_.isHidden()) {
        // A join that came to nothing, at first or when joining again.
        notLetIn(NetTexts::cannotJoin(where(), reason, detail));
        return;
    }
    // After the result the host may go; there is nothing left to wait for.
    if (net_.view() && net_.view()->winner)
        return;
    game_.setInputHeld(true);
    if (reason == NetReason::Left) {
        panel_.showGuestLost(tr("Rot hat das Spiel verlassen."), false);
        return;
    }
    panel_.showGuestLost(NetTexts::lineLost(where()), true);
    panel_.showStatus(tr("Grund: %1.").arg(NetTexts::reason(reason)));
}

void NetGuestController::gameLeft()
{
    net_.leave();
    if (!sides_)
        return;
    sides_ = false;
    playing_ = false;
    resultShown_ = false;
    panel_.hide();
    game_.setKeptElsewhere(false);
    game_.setRemoteSide(std::nullopt);
}

} // namespace gw
