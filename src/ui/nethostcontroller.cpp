// SPDX-License-Identifier: MIT
#include "ui/nethostcontroller.h"

#include "core/gameerror.h"
#include "core/options.h"
#include "map/mapfile.h"
#include "rules/opponent.h"
#include "ui/gamecontroller.h"
#include "ui/nettexts.h"
#include "ui/panels/connectionpanel.h"
#include "ui/panels/fieldpanel.h"
#include "ui/panels/reportpanel.h"
#include "ui/recordkeeper.h"
#include "ui/screens/gamescreen.h"
#include "ui/texts.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/pictures.h"

namespace gw {

NetHostController::NetHostController(GameController &game, GameScreen &screen, ConnectionPanel &panel,
                                     QWidget *window)
    : QObject(window), game_(game), screen_(screen), panel_(panel), window_(window)
{
    connect(&net_, &NetHost::guestJoined, this, &NetHostController::guestJoined);
    connect(&net_, &NetHost::guestLost, this, &NetHostController::guestLost);
    connect(&net_, &NetHost::turnedAway, this, &NetHostController::turnedAway);
    connect(&net_, &NetHost::moveReceived, this, &NetHostController::moveReceived);
    connect(&game, &GameController::moveCarriedOut, this, [this](const PlayedMove &played) {
        recent_.push_back(played);
        if (recent_.size() > kViewBattles)
            recent_.erase(recent_.begin());
    });
    // After every move, once its turn has passed (or the game is decided).
    connect(&game, &GameController::turnPassed, this, &NetHostController::sendView);
    connect(&game, &GameController::roundEnded, this, &NetHostController::sendView);
    connect(&game, &GameController::skirmishStarted, this, [this] { opened_ = starting_; });
    connect(&panel, &ConnectionPanel::computerClicked, this, [this](int32_t level) {
        if (hosting_)
            continueAgainstComputer(level);
    });
    connect(&panel, &ConnectionPanel::leaveClicked, this, [this] {
        if (hosting_)
            screen_.btnendgameClick();
    });
}

void NetHostController::setRecordKeeper(RecordKeeper &record)
{
    record_ = &record;
    connect(&record, &RecordKeeper::gameContinued, this, [this] { opened_ = starting_; });
}

void NetHostController::refuse(const QString &text)
{
    showMessageBox(window_, QMessageBox::Warning, NetTexts::caption(), text);
}

bool NetHostController::host(const std::optional<std::string> &map, quint16 port)
{
    // Everything the guest is to get, read before anything changes: the map
    // whole and what Blue sees of the game as it stands.
    std::optional<SavedGame> saved;
    if (!map) {
        saved = record_->continuableGame();
        if (!saved || saved->players != static_cast<int32_t>(Players::SameScreen)) {
            refuse(tr("Es gibt kein gespeichertes Spiel zu zweit."));
            return false;
        }
    }
    const std::string name = map ? *map : saved->mapName;
    const LoadedMap loaded = readMap(name);
    GameState start;
    applyMap(start, loaded);
    const wire::GameMap gameMap = wire::gameMap(name, loaded);
    const SideView first = saved ? viewFor(saved->state, Side::Blue, saved->turn) : viewFor(start, Side::Blue, Side::Red);
    if (!wire::sendable(gameMap) || !wire::sendable(first)) {
        refuse(tr("Diese Karte kann nicht über das Netzwerk gespielt werden: Sie hat Felder, die das Spiel nicht "
                  "zeichnet."));
        return false;
    }
    if (map && !record_->confirmNewGame())
        return false;
    OptionsFile options;
    try {
        options.load();
    } catch (const GameError &) {
        // No options: every address.
    }
    const std::string wanted = options.setting("hostaddress");
    address_ = wanted.empty() ? QHostAddress(QHostAddress::Any) : QHostAddress(QString::fromStdString(wanted));
    if (address_.isNull()) {
        refuse(tr("\"%1\" (hostaddress= in options.cfg) ist keine IP-Adresse.").arg(QString::fromStdString(wanted)));
        return false;
    }
    if (!net_.open(gameMap, first, port, address_)) {
        refuse(tr("Auf Port %1 kann kein Spiel eröffnet werden: %2").arg(port).arg(net_.errorString()));
        return false;
    }

    // The game opens as a game of two whose Blue plays at the guest's program.
    recent_.clear();
    sent_.reset();
    game_.setRemoteSide(Side::Blue);
    starting_ = true;
    opened_ = false;
    const Players startPlayers = game_.startPlayers();
    const std::string chosen = game_.state().memtemp.line(0);
    // A start that does not open the game said why (a box, or its error,
    // which goes on to be shown): nothing listens, nothing changed.
    const auto giveUp = [&] {
        starting_ = false;
        game_.setStartPlayers(startPlayers);
        net_.close();
        game_.setRemoteSide(std::nullopt);
        game_.chooseMap(chosen);
    };
    try {
        if (map) {
            game_.chooseMap(name);
            game_.setStartPlayers(Players::SameScreen);
            game_.btnskirmishstartClick();
        } else {
            record_->btncontinueClick();
        }
    } catch (...) {
        giveUp();
        throw;
    }
    if (!opened_) {
        giveUp();
        return false;
    }
    starting_ = false;
    game_.setStartPlayers(startPlayers);
    hosting_ = true;
    sendView();
    wait(tr("Warte auf Blau …"));
    emit status(tr("Spiel eröffnet: Spielcode %1, Port %2, erreichbar unter %3")
                    .arg(net_.code())
                    .arg(net_.port())
                    .arg(addresses().join(QStringLiteral(", "))));
    return true;
}

QStringList NetHostController::addresses() const
{
    if (address_ != QHostAddress(QHostAddress::Any)) {
        const bool v6 = address_.protocol() == QAbstractSocket::IPv6Protocol;
        return {(v6 ? "[" + address_.toString() + "]:" : address_.toString() + ":") + QString::number(net_.port())};
    }
    QStringList list = net_.addresses();
    if (list.isEmpty()) // no network: only this machine reaches the game
        list << QStringLiteral("127.0.0.1:%1").arg(net_.port());
    return list;
}

void NetHostController::wait(const QString &title)
{
    game_.setInputHeld(true);
    panel_.showHostWaiting(title, net_.code(), addresses(), level_);
}

void NetHostController::tell(const QString &text)
{
    panel_.showStatus(text);
    if (panel_.isHidden())
        panel_.showNote(text);
    emit status(text);
}

void NetHostController::guestJoined(const QString &peer)
{
    guest_ = peer.left(peer.lastIndexOf(':'));
    panel_.hide();
    game_.setInputHeld(false);
    tell(tr("Blau ist beigetreten (%1).").arg(guest_));
}

void NetHostController::guestLost(NetReason reason, const QString &detail)
{
    Q_UNUSED(detail)
    if (!hosting_)
        return;
    const QString title = reason == NetReason::Left ? tr("Blau hat das Spiel verlassen.") : NetTexts::lineLost(guest_);
    // A decided game has nothing left to wait for.
    if (sent_ && sent_->winner) {
        tell(title);
        return;
    }
    wait(title);
    if (reason == NetReason::Left) {
        emit status(title);
        return;
    }
    const QString why = tr("Grund: %1.").arg(NetTexts::reason(reason));
    panel_.showStatus(why);
    emit status(title + ' ' + why);
}

void NetHostController::turnedAway(NetReason reason, const QString &peer)
{
    tell(tr("Abgewiesen: %1 (%2).").arg(NetTexts::reason(reason), peer.left(peer.lastIndexOf(':'))));
}

void NetHostController::moveReceived(const Move &move)
{
    // Land's picture is loaded before anything changes, as for a click.
    QImage picture;
    try {
        if (move.kind == Move::Kind::Land && move.cell >= 1 && move.cell <= kCells) {
            GameState probe = game_.state();
            probe.cellstate = probe.memgame.line(static_cast<std::size_t>(move.cell));
            if (const std::string bought = boughtLandState(probe, Side::Blue); !bought.empty())
                picture = loadBitmapFile(cellPicturePath(bought));
        }
    } catch (const GameError &e) {
        net_.refuseMove(move, MoveRefusal::Invalid);
        emit errorOccurred(Texts::error(e));
        return;
    }
    const MoveResult result = game_.playRemoteMove(move);
    if (!result) {
        net_.refuseMove(move, result.refusal, result.kind);
        return;
    }
    if (move.kind == Move::Kind::Land)
        screen_.field().setCellPicture(move.cell, picture, result.cellState);
}

void NetHostController::sendView()
{
    if (!hosting_)
        return;
    const SideView view = viewFor(game_.state(), Side::Blue, game_.turn(), recent_);
    if (sent_ && *sent_ == view)
        return;
    sent_ = view;
    net_.sendView(view);
}

void NetHostController::continueAgainstComputer(int32_t level)
{
    hosting_ = false;
    net_.close();
    panel_.hide();
    game_.setInputHeld(false);
    // Blue's half that is due is the computer's first move; one the rules
    // refuse ends it.
    if (game_.turn() == Side::Blue && !game_.playRemoteMove(opponentFor(level).choose(game_.state(), game_.random())))
        game_.playRemoteMove(Move::endRound());
    game_.state().enemylevel = level;
    game_.setRemoteSide(std::nullopt);
    game_.resumeTurn(Players::Computer, Side::Red);
    screen_.report().nameSides(false);
    record_->playersChanged();
    tell(tr("Das Spiel geht gegen den Computer weiter (%1).").arg(Texts::levelName(level)));
}

void NetHostController::gameLeft()
{
    if (!hosting_)
        return;
    hosting_ = false;
    net_.close();
    panel_.hide();
    game_.setRemoteSide(std::nullopt);
    emit status(tr("Das Spiel ist beendet; Blau wurde benachrichtigt."));
}

} // namespace gw
