// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include "ui/texts.h"

#include <exception>
#include <utility>

namespace gw {

// Runs a handler. An error escaping it ends that handler at once, with the
// steps done before it staying done; its text goes to `report` (which shows
// it in the "Grimsward" box) and the program goes on.
template <class Report, class Handler> void runGuarded(const Report &report, Handler &&handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception &e) {
        report(Texts::error(e));
    }
}

// Connects a signal to a member handler of the receiver, run guarded, and
// only while `allowed()` holds.
template <class Sender, class Signal, class Receiver, class Handler, class Report, class Allowed>
void connectGuarded(Sender *sender, Signal signal, Receiver *receiver, Handler handler, const Report &report,
                    const Allowed &allowed)
{
    QObject::connect(sender, signal, receiver, [receiver, handler, report, allowed](auto... args) {
        if (allowed())
            runGuarded(report, [&] { (receiver->*handler)(args...); });
    });
}

template <class Sender, class Signal, class Receiver, class Handler, class Report>
void connectGuarded(Sender *sender, Signal signal, Receiver *receiver, Handler handler, const Report &report)
{
    connectGuarded(sender, signal, receiver, handler, report, [] { return true; });
}

} // namespace gw
