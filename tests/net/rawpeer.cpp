// SPDX-License-Identifier: MIT
#include "rawpeer.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace gw::test {

bool waitUntil(const std::function<bool()> &done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void spin(int ms)
{
    waitUntil([] { return false; }, ms);
}

RawPeer::RawPeer(quint16 port) : socket_(std::make_unique<QTcpSocket>())
{
    QObject::connect(socket_.get(), &QTcpSocket::readyRead, [this] { readAll(); });
    QObject::connect(socket_.get(), &QTcpSocket::disconnected, [this] { closed_ = true; });
    QObject::connect(socket_.get(), &QTcpSocket::errorOccurred, [this] { closed_ = true; });
    socket_->connectToHost(QHostAddress::LocalHost, port);
    waitUntil([this] { return connected() || closed_; }, 3000);
}

RawPeer::RawPeer(QTcpSocket *accepted) : socket_(accepted)
{
    socket_->setParent(nullptr);
    QObject::connect(socket_.get(), &QTcpSocket::readyRead, [this] { readAll(); });
    QObject::connect(socket_.get(), &QTcpSocket::disconnected, [this] { closed_ = true; });
    readAll();
}

void RawPeer::sendBytes(const std::string &bytes)
{
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket_->flush();
}

void RawPeer::readAll()
{
    const QByteArray bytes = socket_->readAll();
    std::size_t at = 0;
    const auto size = static_cast<std::size_t>(bytes.size());
    while (at < size && frames_.state() == wire::FrameReader::State::Reading) {
        at += frames_.feed(bytes.constData() + at, size - at);
        if (frames_.state() == wire::FrameReader::State::Ready) {
            const wire::ReadResult r = wire::read(frames_.take());
            if (r)
                messages_.push_back(r.message);
        }
    }
}

FakeHost::FakeHost() { server_.listen(QHostAddress::LocalHost, 0); }

RawPeer *FakeHost::guest()
{
    if (!guest_) {
        waitUntil([this] { return server_.hasPendingConnections(); }, 3000);
        if (server_.hasPendingConnections())
            guest_ = std::make_unique<RawPeer>(server_.nextPendingConnection());
    }
    return guest_.get();
}

} // namespace gw::test
