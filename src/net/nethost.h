// SPDX-License-Identifier: MIT
#pragma once

#include "net/nettiming.h"
#include "rules/sideview.h"
#include "wire/message.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QTcpServer;

namespace gw {

class NetLink;

// The host's side of a network game. It listens only while a game is
// open, lets in one guest at a time that greets with the game's code and
// the same versions, and stands between that guest and whoever keeps the
// game: it hands the guest's moves on (moveReceived) and sends the views
// and refusals it is given. It holds no game record; it keeps only the
// map and the last view, to welcome a guest who joins (again).
//
// A connection that sends something it cannot read, a message over 64 KB,
// a move out of turn or for Red is closed with a reason, and nothing of it
// reaches the game. A wrong code is answered only after a second.
class NetHost : public QObject {
    Q_OBJECT
public:
    explicit NetHost(QObject *parent = nullptr);
    ~NetHost() override;

    void setTiming(const NetTiming &timing) { timing_ = timing; }
    // The program version a guest must have; the build's own by default.
    void setProgram(const QString &version) { program_ = version; }
    QString program() const { return program_; }

    // Opens a game on `map` with a fresh code and listens on `port` (0: one
    // the system picks) at `address`. `guestView` is Blue's view as the game
    // stands. False, with nothing listening, when the port cannot be had
    // (errorString) or the map or the view cannot be sent (wire::sendable).
    bool open(const wire::GameMap &map, const SideView &guestView, quint16 port = wire::kDefaultPort,
              const QHostAddress &address = QHostAddress::Any);
    // Tells a guest that the host leaves and stops listening.
    void close();

    bool isOpen() const { return server_ != nullptr; }
    QString code() const { return code_; }
    quint16 port() const;
    QString errorString() const { return error_; }
    bool hasGuest() const { return guest_ != nullptr; }
    QString guestPeer() const;
    // Whether a move of the guest waits for its answer (a view or a refusal).
    bool awaitingAnswer() const { return awaiting_; }

    // This machine's addresses a friend can reach: every non-loopback IPv4
    // address and every IPv6 address but the link-local ones.
    static QList<QHostAddress> localAddresses();
    // The same with the port, to be told: "192.168.1.20:47474", "[2001:db8::2]:47474".
    QStringList addresses() const;

    // Blue's view after every change of the game; answers the guest's move.
    // Kept for a guest who joins again.
    void sendView(const SideView &view);
    // Answers the guest's move with its refusal; nothing changed.
    void refuseMove(const Move &move, MoveRefusal refusal, int kind = 0);

    // Bytes of the current guest's connection.
    quint64 bytesSent() const;
    quint64 bytesReceived() const;

signals:
    void guestJoined(const QString &peer);
    // The guest's move, for Blue, in Blue's turn. Answer it with sendView or
    // refuseMove.
    void moveReceived(const gw::Move &move);
    // The guest's connection is gone; the game stays open for it to join again.
    void guestLost(gw::NetReason reason, const QString &detail);
    // A connection that did not join: a wrong code, another version, a
    // game that has its guest, no greeting, a message it could not read.
    void turnedAway(gw::NetReason reason, const QString &peer);

private:
    void acceptConnections();
    void onMessage(NetLink *link, const wire::Message &message);
    void greet(NetLink *link, const wire::Hello &hello);
    void onEnded(NetLink *link, NetReason reason, const QString &detail);
    void refuse(NetLink *link, NetReason reason);
    QString freshCode() const;

    NetTiming timing_;
    QString program_;
    QTcpServer *server_ = nullptr;
    QString code_;
    QString error_;
    wire::GameMap map_;
    SideView view_;
    NetLink *guest_ = nullptr;
    QList<NetLink *> pending_;
    bool awaiting_ = false;
};

} // namespace gw
