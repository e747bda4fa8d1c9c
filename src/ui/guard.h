// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

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
        report(QString::fromUtf8(e.what()));
    }
}

} // namespace gw
