// SPDX-License-Identifier: MIT
#pragma once

#include "net/nettiming.h"
#include "wire/framereader.h"
#include "wire/message.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QTcpSocket;

namespace gw {

// One connection of a network game, host or guest alike: sends messages,
// cuts what arrives into messages and reads each before anyone sees it,
// answers pings and keeps the connection alive. A message that cannot be
// read (or is over 64 KB) ends the link, telling the other side why; a
// connection that breaks or stays silent ends it too. `ended` comes once.
class NetLink : public QObject {
    Q_OBJECT
public:
    // Takes the socket, connected or connecting.
    NetLink(QTcpSocket *socket, const NetTiming &timing, QObject *parent = nullptr);
    ~NetLink() override;

    void send(const wire::Message &message);
    // Ends the link: with `tell`, a Goodbye of the reason goes out first and
    // the connection closes once it is written. Emits `ended`.
    void end(NetReason reason, const QString &detail = {}, bool tell = true);
    // Ends the link without a signal (its owner knows already).
    void drop(NetReason reason, bool tell);

    // Pings after a while of sending nothing, and counts the connection
    // broken after `silence` of hearing nothing.
    void startKeepalive();
    // Stops reading: what arrives waits in a bounded buffer.
    void hold() { held_ = true; }
    // Ends the link with `reason` unless `stopGreetingClock` comes first.
    void startGreetingClock(int ms, NetReason reason);
    void stopGreetingClock() { greeting_.stop(); }

    bool isOpen() const { return !ended_; }
    // "address:port" of the other side.
    QString peer() const { return peer_; }
    quint64 bytesSent() const { return sent_; }
    quint64 bytesReceived() const { return received_; }

signals:
    // The socket is connected (a guest's link, once it reaches the host).
    void connected();
    void received(const gw::wire::Message &message);
    void ended(gw::NetReason reason, const QString &detail);

private:
    void readAvailable();
    void handle(const std::string &body);
    void close(bool tell, NetReason reason);

    QTcpSocket *socket_;
    NetTiming timing_;
    wire::FrameReader frames_;
    QTimer ping_, silence_, greeting_;
    NetReason greetingReason_ = NetReason::NoGreeting;
    QString peer_;
    quint64 sent_ = 0, received_ = 0;
    uint32_t pings_ = 0;
    bool held_ = false;
    bool wasConnected_ = false;
    bool ended_ = false;
};

} // namespace gw
