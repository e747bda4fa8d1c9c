// SPDX-License-Identifier: MIT
#include "relay.h"

namespace gw::test {

Relay::Relay(quint16 hostPort) : hostPort_(hostPort)
{
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
}

Relay::~Relay() { cut(); }

void Relay::accept()
{
    while (server_.hasPendingConnections()) {
        QTcpSocket *near = server_.nextPendingConnection();
        auto *far = new QTcpSocket(&server_);
        far->connectToHost(QHostAddress::LocalHost, hostPort_);
        QObject::connect(near, &QTcpSocket::readyRead, &server_, [this, near, far] { pass(near, far); });
        QObject::connect(far, &QTcpSocket::readyRead, &server_, [this, near, far] { pass(far, near); });
        QObject::connect(far, &QTcpSocket::connected, &server_, [this, near, far] { pass(near, far); });
        pairs_ << Pair{near, far};
    }
}

void Relay::pass(QTcpSocket *from, QTcpSocket *to)
{
    if (frozen_ || to->state() != QAbstractSocket::ConnectedState)
        return;
    to->write(from->readAll());
}

void Relay::cut()
{
    for (const Pair &p : std::as_const(pairs_)) {
        p.near->abort();
        p.far->abort();
        p.near->deleteLater();
        p.far->deleteLater();
    }
    pairs_.clear();
}

} // namespace gw::test
