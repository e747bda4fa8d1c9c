// SPDX-License-Identifier: MIT
#pragma once
// A line between guest and host that a test can cut or freeze: it listens
// on 127.0.0.1 and passes every byte on to the host's port and back.

#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

namespace gw::test {

class Relay {
public:
    explicit Relay(quint16 hostPort);
    ~Relay();
    quint16 port() const { return server_.serverPort(); }

    // Cuts every connection at once, as a broken line does, on both ends.
    void cut();
    // Passes nothing on from now on, without closing anything: a line that
    // went silent. `thaw` lets it through again.
    void freeze() { frozen_ = true; }
    void thaw() { frozen_ = false; }

private:
    struct Pair {
        QTcpSocket *near;
        QTcpSocket *far;
    };
    void accept();
    void pass(QTcpSocket *from, QTcpSocket *to);

    QTcpServer server_;
    quint16 hostPort_;
    QList<Pair> pairs_;
    bool frozen_ = false;
};

} // namespace gw::test
