// SPDX-License-Identifier: MIT
#include "net/nethost.h"

#include "net/netlink.h"

#include <QNetworkInterface>
#include <QtGlobal>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

#ifndef GRIMSWARD_VERSION
#define GRIMSWARD_VERSION "0"
#endif

namespace gw {

namespace {

// Connections that have not joined yet, at most: more are closed at once,
// so a code cannot be tried faster than this many times a second.
constexpr int kMaxWaiting = 4;

} // namespace

NetHost::NetHost(QObject *parent) : QObject(parent), program_(QStringLiteral(GRIMSWARD_VERSION)) {}

NetHost::~NetHost() { close(); }

QString NetHost::freshCode() const
{
    // The system's source of randomness, never the game's generator.
    QString code;
    for (std::size_t i = 0; i < wire::kCodeLength; ++i)
        code += QChar::fromLatin1(wire::kCodeAlphabet[QRandomGenerator::system()->bounded(32)]);
    return code;
}

bool NetHost::open(const wire::GameMap &map, const SideView &guestView, quint16 port, const QHostAddress &address)
{
    close();
    error_.clear();
    if (!wire::sendable(map) || !wire::sendable(guestView) || guestView.side != Side::Blue)
        return false;
    auto *server = new QTcpServer(this);
    if (!server->listen(address, port)) {
        error_ = server->errorString();
        delete server;
        return false;
    }
    server_ = server;
    connect(server_, &QTcpServer::newConnection, this, &NetHost::acceptConnections);
    map_ = map;
    view_ = guestView;
    code_ = freshCode();
    awaiting_ = false;
    return true;
}

void NetHost::close()
{
    if (server_) {
        server_->close();
        server_->deleteLater();
        server_ = nullptr;
    }
    if (guest_) {
        guest_->drop(NetReason::Left, true);
        guest_->deleteLater();
        guest_ = nullptr;
    }
    for (NetLink *link : std::as_const(pending_)) {
        link->drop(NetReason::Left, false);
        link->deleteLater();
    }
    pending_.clear();
    code_.clear();
    awaiting_ = false;
}

quint16 NetHost::port() const { return server_ ? server_->serverPort() : 0; }

QString NetHost::guestPeer() const { return guest_ ? guest_->peer() : QString(); }

quint64 NetHost::bytesSent() const { return guest_ ? guest_->bytesSent() : 0; }

quint64 NetHost::bytesReceived() const { return guest_ ? guest_->bytesReceived() : 0; }

QList<QHostAddress> NetHost::localAddresses()
{
    QList<QHostAddress> v4, v6;
    for (QHostAddress a : QNetworkInterface::allAddresses()) {
        if (a.isNull() || a.isLoopback())
            continue;
        if (a.protocol() == QAbstractSocket::IPv4Protocol) {
            v4 << a;
        } else if (a.protocol() == QAbstractSocket::IPv6Protocol && !a.isLinkLocal()) {
            a.setScopeId(QString());
            v6 << a;
        }
    }
    return v4 + v6;
}

QStringList NetHost::addresses() const
{
    QStringList list;
    const QString p = QString::number(port());
    for (const QHostAddress &a : localAddresses()) {
        const bool v6 = a.protocol() == QAbstractSocket::IPv6Protocol;
        list << (v6 ? "[" + a.toString() + "]:" : a.toString() + ":") + p;
    }
    return list;
}

void NetHost::acceptConnections()
{
    while (server_ && server_->hasPendingConnections()) {
        QTcpSocket *socket = server_->nextPendingConnection();
        auto *link = new NetLink(socket, timing_, this);
        if (pending_.size() >= kMaxWaiting) {
            const QString peer = link->peer();
            link->drop(NetReason::Full, false);
            link->deleteLater();
            emit turnedAway(NetReason::Full, peer);
            continue;
        }
        pending_ << link;
        connect(link, &NetLink::received, this, [this, link](const wire::Message &m) { onMessage(link, m); });
        connect(link, &NetLink::ended, this,
                [this, link](NetReason reason, const QString &detail) { onEnded(link, reason, detail); });
        link->startGreetingClock(timing_.greeting, NetReason::NoGreeting);
    }
}

void NetHost::refuse(NetLink *link, NetReason reason)
{
    link->send(wire::Refused{reason, wire::kProtocolVersion, program_.toStdString()});
    link->end(reason, {}, false);
}

void NetHost::greet(NetLink *link, const wire::Hello &hello)
{
    link->stopGreetingClock();
    if (hello.protocol != wire::kProtocolVersion || QString::fromStdString(hello.program) != program_) {
        refuse(link, NetReason::Version);
        return;
    }
    if (QString::fromStdString(hello.code) != code_) {
        // Answered only after a while, reading nothing more meanwhile, so a
        // code cannot be found by trying.
        link->hold();
        QTimer::singleShot(timing_.wrongCodeDelay, link, [this, link] {
            if (link->isOpen())
                refuse(link, NetReason::WrongCode);
        });
        return;
    }
    if (guest_) {
        refuse(link, NetReason::Full);
        return;
    }
    pending_.removeOne(link);
    guest_ = link;
    link->send(wire::Welcome{wire::kProtocolVersion, program_.toStdString(), map_, view_});
    link->startKeepalive();
    emit guestJoined(link->peer());
}

void NetHost::onMessage(NetLink *link, const wire::Message &message)
{
    if (link != guest_) {
        if (const auto *hello = std::get_if<wire::Hello>(&message))
            greet(link, *hello);
        else
            link->end(NetReason::Unexpected);
        return;
    }
    const auto *move = std::get_if<wire::MoveMessage>(&message);
    if (!move) {
        link->end(NetReason::Unexpected);
        return;
    }
    if (move->side != Side::Blue) {
        link->end(NetReason::WrongSide);
        return;
    }
    if (awaiting_ || view_.winner || view_.onTurn != Side::Blue) {
        link->end(NetReason::OutOfTurn);
        return;
    }
    awaiting_ = true;
    emit moveReceived(move->move);
}

void NetHost::onEnded(NetLink *link, NetReason reason, const QString &detail)
{
    link->deleteLater();
    if (link == guest_) {
        guest_ = nullptr;
        emit guestLost(reason, detail);
        return;
    }
    pending_.removeOne(link);
    emit turnedAway(reason, link->peer());
}

void NetHost::sendView(const SideView &view)
{
    if (view.side != Side::Blue || !wire::sendable(view)) {
        qWarning("NetHost: a view that is not Blue's or cannot be sent was not sent");
        return;
    }
    view_ = view;
    awaiting_ = false;
    if (guest_)
        guest_->send(wire::ViewMessage{view});
}

void NetHost::refuseMove(const Move &move, MoveRefusal refusal, int kind)
{
    awaiting_ = false;
    if (guest_)
        guest_->send(wire::MoveRefused{move, refusal, kind});
}

} // namespace gw
