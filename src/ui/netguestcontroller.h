// SPDX-License-Identifier: MIT
#pragma once

#include "net/netguest.h"
#include "rules/enemyturn.h"
#include "ui/widgets/picturecache.h"

#include <QObject>
#include <QString>

#include <optional>

class QWidget;

namespace gw {

class ConnectionPanel;
class GameController;
class GameScreen;

// The guest's side of a network game: it plays Blue on the game screen as
// at one screen, but the game is the host's. A move the rules take (on
// Blue's own figures, which the guest has whole) goes to the host, and the
// screen is drawn from the view the host sends back: Blue's counters, of
// Red what Blue's panels show, the field, the round, Red's last move and
// the battles. A move the host refuses gets the box it gets at one screen.
// Nothing of a network game is written to this program's disk. When the
// line drops, the guest may join again with the same code.
class NetGuestController : public QObject {
    Q_OBJECT
public:
    NetGuestController(GameController &game, GameScreen &screen, ConnectionPanel &panel, QWidget *window);

    // Joins the game at `host` and `port` with `code`; joined or failed
    // follows. False, with nothing sent, when the code is no game code.
    bool join(const QString &host, quint16 port, const QString &code);
    // Joined, and the game not left since (the line may have dropped).
    bool isPlaying() const { return playing_; }
    NetGuest &net() { return net_; }
    // The game screen is left, or the join given up: the host is told.
    void gameLeft();

signals:
    // Let in for the first time: the game screen may show.
    void joined();
    // Not let in, or nothing reached: why, as a box says it.
    void failed(const QString &text);
    void errorOccurred(const QString &text);

private:
    void welcomed(const wire::GameMap &map, const SideView &view);
    void showView(const SideView &view);
    void moveChosen(const Move &move);
    void moveRefused(const Move &move, MoveRefusal refusal, int kind);
    void notLetIn(const QString &text);
    void disconnected(NetReason reason, const QString &detail);
    void rejoin();
    // "host:port" as typed.
    QString where() const;
    // Red's last move as Blue's last-move line tells it.
    static std::optional<EnemyTurnResult> told(const SideView &view);

    GameController &game_;
    GameScreen &screen_;
    ConnectionPanel &panel_;
    QWidget *window_;
    NetGuest net_;
    QString host_, code_;
    quint16 port_ = 0;
    bool playing_ = false;
    // The game's sides were set for a game kept at the host.
    bool sides_ = false;
    bool resultShown_ = false;
    PictureCache pictures_;
};

} // namespace gw
