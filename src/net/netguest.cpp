// SPDX-License-Identifier: MIT
#include "net/netguest.h"

#include "net/netlink.h"

#include <QTcpSocket>

#ifndef GRIMSWARD_VERSION
#define GRIMSWARD_VERSION "0"
#endif

namespace gw {

NetGuest::NetGuest(QObject *parent) : QObject(parent), program_(QStringLiteral(GRIMSWARD_VERSION)) {}

NetGuest::~NetGuest() { leave(); }

bool NetGuest::join(const QString &host, quint16 port, const QString &code)
{
    const std::string typed = wire::normalizedCode(code.toStdString());
    if (!wire::isGameCode(typed))
        return false;
    leave();
    code_ = typed;
    auto *socket = new QTcpSocket;
    link_ = new NetLink(socket, timing_, this);
    connect(link_, &NetLink::connected, this, [this] {
        link_->send(wire::Hello{wire::kProtocolVersion, program_.toStdString(), code_});
        link_->startKeepalive();
    });
    connect(link_, &NetLink::received, this, &NetGuest::onMessage);
    connect(link_, &NetLink::ended, this, &NetGuest::onEnded);
    // The host answers within its delay for a wrong code; a host that says
    // nothing at all counts as gone.
    link_->startGreetingClock(timing_.greeting + timing_.wrongCodeDelay, NetReason::TimedOut);
    socket->connectToHost(host, port);
    return true;
}

void NetGuest::leave()
{
    if (!link_)
        return;
    link_->drop(NetReason::Left, true);
    release();
}

void NetGuest::release()
{
    sentBefore_ += link_->bytesSent();
    receivedBefore_ += link_->bytesReceived();
    link_->deleteLater();
    link_ = nullptr;
    joined_ = false;
    awaiting_ = false;
}

quint64 NetGuest::bytesSent() const { return sentBefore_ + (link_ ? link_->bytesSent() : 0); }

quint64 NetGuest::bytesReceived() const { return receivedBefore_ + (link_ ? link_->bytesReceived() : 0); }

bool NetGuest::sendMove(const Move &move)
{
    if (!joined_ || awaiting_ || !view_ || view_->onTurn != Side::Blue || view_->winner || !wire::isPlayersMove(move))
        return false;
    awaiting_ = true;
    link_->send(wire::MoveMessage{Side::Blue, move});
    return true;
}

void NetGuest::onMessage(const wire::Message &message)
{
    if (!joined_) {
        if (const auto *welcome = std::get_if<wire::Welcome>(&message)) {
            if (welcome->protocol != wire::kProtocolVersion || QString::fromStdString(welcome->program) != program_) {
                link_->end(NetReason::Version, QString::fromStdString(welcome->program), false);
                return;
            }
            if (welcome->view.side != Side::Blue) {
                link_->end(NetReason::Malformed, QStringLiteral("side"));
                return;
            }
            link_->stopGreetingClock();
            joined_ = true;
            map_ = welcome->map;
            view_ = welcome->view;
            emit joined(map_, *view_);
        } else if (const auto *refusal = std::get_if<wire::Refused>(&message)) {
            const wire::Refused r = *refusal;
            link_->drop(r.reason, false);
            release();
            emit refused(r.reason, QString::fromStdString(r.program));
        } else {
            link_->end(NetReason::Unexpected);
        }
        return;
    }
    if (const auto *view = std::get_if<wire::ViewMessage>(&message)) {
        if (view->view.side != Side::Blue) {
            link_->end(NetReason::Malformed, QStringLiteral("side"));
            return;
        }
        view_ = view->view;
        awaiting_ = false;
        emit viewReceived(*view_);
    } else if (const auto *refused = std::get_if<wire::MoveRefused>(&message); refused && awaiting_) {
        awaiting_ = false;
        emit moveRefused(refused->move, refused->refusal, refused->kind);
    } else {
        link_->end(NetReason::Unexpected);
    }
}

void NetGuest::onEnded(NetReason reason, const QString &detail)
{
    release();
    emit disconnected(reason, detail);
}

} // namespace gw
