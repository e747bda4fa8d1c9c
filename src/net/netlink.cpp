// SPDX-License-Identifier: MIT
#include "net/netlink.h"

#include "wire/codec.h"
#include "wire/words.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace gw {

namespace {

// A peer that reads nothing while we keep sending: past this many bytes
// waiting to be written the connection counts as broken.
constexpr qint64 kMaxBacklog = 1 << 20;

// How long a closing connection may take to write its last words.
constexpr int kClosingMs = 2000;

QString peerOf(const QTcpSocket *socket)
{
    const QHostAddress a = socket->peerAddress();
    // An IPv4 peer of a server that listens on both kinds of address comes
    // as ::ffff:a.b.c.d; it is told as a.b.c.d.
    bool v4 = false;
    const quint32 ipv4 = a.toIPv4Address(&v4);
    const QString address = v4 ? QHostAddress(ipv4).toString()
                            : a.protocol() == QAbstractSocket::IPv6Protocol ? "[" + a.toString() + "]"
                                                                            : a.toString();
    return address + ":" + QString::number(socket->peerPort());
}

// Every message goes out at once: a view waiting for the acknowledgement of
// the one before (Nagle's rule against the other side's delayed
// acknowledgement) would reach the other side some 40 ms late.
void noDelay(QTcpSocket *socket) { socket->setSocketOption(QAbstractSocket::LowDelayOption, 1); }

} // namespace

NetLink::NetLink(QTcpSocket *socket, const NetTiming &timing, QObject *parent)
    : QObject(parent), socket_(socket), timing_(timing)
{
    socket_->setParent(this);
    socket_->setReadBufferSize(static_cast<qint64>(4 + wire::kMaxBody));
    ping_.setSingleShot(true);
    silence_.setSingleShot(true);
    greeting_.setSingleShot(true);
    connect(&ping_, &QTimer::timeout, this, [this] { send(wire::Ping{++pings_}); });
    connect(&silence_, &QTimer::timeout, this, [this] { end(NetReason::TimedOut, {}, false); });
    connect(&greeting_, &QTimer::timeout, this, [this] { end(greetingReason_, {}, false); });
    connect(socket_, &QTcpSocket::readyRead, this, &NetLink::readAvailable);
    connect(socket_, &QTcpSocket::connected, this, [this] {
        noDelay(socket_);
        wasConnected_ = true;
        peer_ = peerOf(socket_);
        emit connected();
    });
    connect(socket_, &QTcpSocket::disconnected, this, [this] { end(NetReason::Lost, {}, false); });
    connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        end(wasConnected_ ? NetReason::Lost : NetReason::CannotConnect, socket_->errorString(), false);
    });
    if (socket_->state() == QAbstractSocket::ConnectedState) {
        noDelay(socket_);
        wasConnected_ = true;
        peer_ = peerOf(socket_);
    }
}

NetLink::~NetLink()
{
    if (!ended_)
        drop(NetReason::Left, false);
}

void NetLink::send(const wire::Message &message)
{
    if (ended_)
        return;
    const std::string bytes = wire::encode(message);
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    // Out at once, not when the event loop next runs: the host's save of
    // the move that follows a view must not hold it up.
    socket_->flush();
    sent_ += bytes.size();
    if (ping_.isActive() || silence_.isActive())
        ping_.start(timing_.ping);
    if (socket_->bytesToWrite() > kMaxBacklog)
        end(NetReason::TimedOut, QStringLiteral("backlog"), false);
}

void NetLink::startKeepalive()
{
    ping_.start(timing_.ping);
    silence_.start(timing_.silence);
}

void NetLink::startGreetingClock(int ms, NetReason reason)
{
    greetingReason_ = reason;
    greeting_.start(ms);
}

void NetLink::end(NetReason reason, const QString &detail, bool tell)
{
    if (ended_)
        return;
    drop(reason, tell);
    emit ended(reason, detail);
}

void NetLink::drop(NetReason reason, bool tell)
{
    if (ended_)
        return;
    ended_ = true;
    close(tell, reason);
}

void NetLink::close(bool tell, NetReason reason)
{
    ping_.stop();
    silence_.stop();
    greeting_.stop();
    QTcpSocket *s = socket_;
    s->disconnect(this);
    if (tell && s->state() == QAbstractSocket::ConnectedState
        && wire::words::indexOf(wire::words::kGoodbyeReasons, reason) >= 0) {
        const std::string bytes = wire::encode(wire::Goodbye{reason});
        s->write(bytes.data(), static_cast<qint64>(bytes.size()));
        sent_ += bytes.size();
    }
    // The socket outlives the link until its last words are written.
    s->setParent(nullptr);
    if (s->state() == QAbstractSocket::UnconnectedState) {
        s->deleteLater();
        return;
    }
    connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
    QTimer::singleShot(kClosingMs, s, [s] {
        s->abort();
        s->deleteLater();
    });
    s->disconnectFromHost();
}

void NetLink::readAvailable()
{
    while (!ended_ && !held_ && socket_->bytesAvailable() > 0) {
        const QByteArray chunk = socket_->read(static_cast<qint64>(frames_.wanted()));
        received_ += static_cast<quint64>(chunk.size());
        frames_.feed(chunk.constData(), static_cast<std::size_t>(chunk.size()));
        switch (frames_.state()) {
        case wire::FrameReader::State::Reading: break;
        case wire::FrameReader::State::Empty: end(NetReason::Malformed, QStringLiteral("length"), true); return;
        case wire::FrameReader::State::TooLarge:
            end(NetReason::TooLarge, QString::number(frames_.length()), true);
            return;
        case wire::FrameReader::State::Ready: handle(frames_.take()); break;
        }
    }
}

void NetLink::handle(const std::string &body)
{
    const wire::ReadResult r = wire::read(body);
    if (!r) {
        const QString where = QString::fromStdString(r.error.field) + ":" + QString::number(r.error.line);
        end(r.error.fault == wire::ReadFault::TooLarge ? NetReason::TooLarge : NetReason::Malformed, where, true);
        return;
    }
    if (silence_.isActive())
        silence_.start(timing_.silence);
    if (const auto *ping = std::get_if<wire::Ping>(&r.message)) {
        send(wire::Pong{ping->number});
        return;
    }
    if (std::holds_alternative<wire::Pong>(r.message))
        return;
    if (const auto *bye = std::get_if<wire::Goodbye>(&r.message)) {
        const int i = wire::words::indexOf(wire::words::kGoodbyeReasons, bye->reason);
        if (bye->reason == NetReason::Left)
            end(NetReason::Left, {}, false);
        else
            end(NetReason::Rejected, QString::fromLatin1(wire::words::kGoodbyes[i]), false);
        return;
    }
    emit received(r.message);
}

} // namespace gw
