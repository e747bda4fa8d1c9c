// SPDX-License-Identifier: MIT
#pragma once

#include "net/nettiming.h"
#include "rules/sideview.h"
#include "wire/message.h"

#include <QObject>
#include <QString>

#include <optional>

namespace gw {

class NetLink;

// The guest's side of a network game: joins a host with the game's code,
// sends Blue's moves and receives Blue's views. The host keeps the game;
// the guest keeps nothing but the map and the last view, in memory, and
// writes nothing. An answer from the host that cannot be read, or one with
// no place at that moment, closes the connection with a reason.
class NetGuest : public QObject {
    Q_OBJECT
public:
    explicit NetGuest(QObject *parent = nullptr);
    ~NetGuest() override;

    void setTiming(const NetTiming &timing) { timing_ = timing; }
    // The program version the greeting names; the build's own by default.
    void setProgram(const QString &version) { program_ = version; }

    // Connects to the host and greets it with the code (as typed: blanks
    // and dashes dropped, letters in upper case), leaving a game joined
    // before. False, with nothing sent or left, when the code is no game code.
    bool join(const QString &host, quint16 port, const QString &code);
    // Tells the host that the guest leaves and closes the connection.
    void leave();

    bool isJoined() const { return joined_; }
    bool isConnecting() const { return link_ && !joined_; }
    // The map and the latest view, once joined.
    const wire::GameMap &map() const { return map_; }
    const std::optional<SideView> &view() const { return view_; }
    // Whether a move sent waits for its answer.
    bool awaitingAnswer() const { return awaiting_; }

    // Sends Blue's move. False, nothing sent, unless the guest has joined,
    // Blue is on turn in the latest view, the game is not decided, no move
    // waits for its answer and the move is a player's.
    bool sendMove(const Move &move);

    // Bytes of every connection this guest made.
    quint64 bytesSent() const;
    quint64 bytesReceived() const;

signals:
    // Let in: the map and Blue's view of the game as it stands.
    void joined(const gw::wire::GameMap &map, const gw::SideView &view);
    void viewReceived(const gw::SideView &view);
    // The move sent was refused by the rules; nothing changed.
    void moveRefused(const gw::Move &move, gw::MoveRefusal refusal, int kind);
    // The host did not let the guest in (WrongCode, Version, Full); the
    // connection is closed. `hostProgram` is the host's program version.
    void refused(gw::NetReason reason, const QString &hostProgram);
    // The connection is gone, or never came (CannotConnect, TimedOut).
    void disconnected(gw::NetReason reason, const QString &detail);

private:
    void onMessage(const wire::Message &message);
    void onEnded(NetReason reason, const QString &detail);
    void release();

    NetTiming timing_;
    QString program_;
    std::string code_;
    NetLink *link_ = nullptr;
    bool joined_ = false;
    bool awaiting_ = false;
    wire::GameMap map_;
    std::optional<SideView> view_;
    quint64 sentBefore_ = 0, receivedBefore_ = 0;
};

} // namespace gw
