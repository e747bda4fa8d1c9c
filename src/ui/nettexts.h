// SPDX-License-Identifier: MIT
#pragma once

#include "rules/move.h"
#include "wire/reason.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <utility>

namespace gw {

// The words of a network game: why a connection ended or was turned away,
// the guest's boxes when it cannot join, and the box a refused move of the
// guest gets, the same as at one screen.
class NetTexts {
    Q_DECLARE_TR_FUNCTIONS(gw::NetTexts)
public:
    // The reason of the host's status line: "falscher Spielcode".
    static QString reason(NetReason reason);
    // The guest's box when the host does not let it in (WrongCode, Version,
    // Full); `hostProgram` is the host's version.
    static QString refused(NetReason reason, const QString &hostProgram);
    // The guest's box when no game was reached at `where` ("host:port").
    static QString cannotJoin(const QString &where, NetReason reason, const QString &detail);
    // "Die Verbindung zu 192.168.1.20 ist unterbrochen."
    static QString lineLost(const QString &where);
    // The box a move of the side on turn gets when the rules refuse it, as
    // the game's handlers show it at one screen: its text and caption; none
    // where one screen shows none (land that is not free).
    static std::optional<std::pair<QString, QString>> refusalBox(const Move &move, MoveRefusal refusal, int kind);
    // What a player types as a code is no game code.
    static QString badCode();
    // A port that is no number from 1 to 65535.
    static QString badPort();
    // The caption of the network game's boxes.
    static QString caption();
};

} // namespace gw
