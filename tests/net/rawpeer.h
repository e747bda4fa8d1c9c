// SPDX-License-Identifier: MIT
#pragma once
// The other end of a connection under test, on 127.0.0.1 only: bytes sent
// as they are (garbage included), messages read back with the codec.

#include "wire/codec.h"
#include "wire/framereader.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gw::test {

// Runs the event loop until `done` holds or `ms` have passed; whether it holds.
bool waitUntil(const std::function<bool()> &done, int ms = 5000);
// Runs the event loop for `ms`.
void spin(int ms);

class RawPeer {
public:
    // A client connecting to 127.0.0.1:port.
    explicit RawPeer(quint16 port);
    // The accepted end of a connection.
    explicit RawPeer(QTcpSocket *accepted);

    bool connected() const { return socket_->state() == QAbstractSocket::ConnectedState; }
    // The other side has closed the connection.
    bool closed() const { return closed_; }
    void sendBytes(const std::string &bytes);
    void send(const wire::Message &message) { sendBytes(wire::encode(message)); }
    // Goes away without a word (as a cut line looks to the other side).
    void abort() { socket_->abort(); }

    // What arrived so far, read with the codec (a message it refuses ends the list).
    const std::vector<wire::Message> &messages() const { return messages_; }
    template <typename M>
    const M *last() const
    {
        for (auto it = messages_.rbegin(); it != messages_.rend(); ++it) {
            if (const M *m = std::get_if<M>(&*it))
                return m;
        }
        return nullptr;
    }
    template <typename M>
    bool waitFor(int ms = 5000) const
    {
        return waitUntil([this] { return last<M>() != nullptr; }, ms);
    }

private:
    void readAll();

    std::unique_ptr<QTcpSocket> socket_;
    wire::FrameReader frames_;
    std::vector<wire::Message> messages_;
    bool closed_ = false;
};

// A host that is no Grimsward: it accepts one connection on 127.0.0.1 and
// says what the test tells it.
class FakeHost {
public:
    FakeHost();
    quint16 port() const { return server_.serverPort(); }
    // The guest's connection, once it came.
    RawPeer *guest();

private:
    QTcpServer server_;
    std::unique_ptr<RawPeer> guest_;
};

} // namespace gw::test
