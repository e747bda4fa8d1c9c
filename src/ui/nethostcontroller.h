// SPDX-License-Identifier: MIT
#pragma once

#include "net/nethost.h"
#include "rules/sideview.h"

#include <QHostAddress>
#include <QObject>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace gw {

class ConnectionPanel;
class GameController;
class GameScreen;
class RecordKeeper;

// The host's side of a network game. The game is this program's: a game
// of two whose Blue is played at the guest's program. The guest's moves
// arrive here and are carried out by the game's own rules and path (a
// refused one is answered with its refusal), the game is saved as always,
// and after every move the guest gets Blue's view and nothing more. While
// no guest is there (at first, or after its line dropped) the game waits
// with the code on the screen; the host may go on against the computer
// instead, or save and leave.
class NetHostController : public QObject {
    Q_OBJECT
public:
    // Connects itself to the game before the record keeper does, so the
    // guest has its view before the move's save is written.
    NetHostController(GameController &game, GameScreen &screen, ConnectionPanel &panel, QWidget *window);
    void setRecordKeeper(RecordKeeper &record);

    // Opens a game for a guest on `map` (a new game of two) or, without
    // one, on the saved game of two, listening on `port` (0: any the system
    // gives) at the address of "hostaddress=" in options.cfg (every address
    // of the machine without one). A new game asks first when it would
    // replace a save. False, with nothing changed, when no game opens; a box
    // says why. Throws GameError, with nothing changed, when the map cannot
    // be read.
    bool host(const std::optional<std::string> &map, quint16 port);
    bool isHosting() const { return hosting_; }
    NetHost &net() { return net_; }
    // The computer's level the waiting panel offers first.
    void levelChosen(int32_t level) { level_ = level; }
    // The game screen is left: a guest is told, nothing listens any more.
    void gameLeft();

signals:
    // What the host's status line says, as it says it.
    void status(const QString &text);
    void errorOccurred(const QString &text);

private:
    void guestJoined(const QString &peer);
    void guestLost(NetReason reason, const QString &detail);
    void turnedAway(NetReason reason, const QString &peer);
    void moveReceived(const Move &move);
    // Blue's view as the game stands, unless the guest has it already.
    void sendView();
    void wait(const QString &title);
    void continueAgainstComputer(int32_t level);
    QStringList addresses() const;
    void tell(const QString &text);
    void refuse(const QString &text);

    GameController &game_;
    GameScreen &screen_;
    ConnectionPanel &panel_;
    QWidget *window_;
    RecordKeeper *record_ = nullptr;
    NetHost net_;
    QHostAddress address_;
    bool hosting_ = false;
    bool starting_ = false, opened_ = false;
    int32_t level_ = 0;
    // The guest's address, to name it when its line drops.
    QString guest_;
    // The game's latest moves, for the view's last move and battles.
    std::vector<PlayedMove> recent_;
    std::optional<SideView> sent_;
};

} // namespace gw
