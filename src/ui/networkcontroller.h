// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

class QWidget;

namespace gw {

class ConnectionPanel;
class GameController;
class GameScreen;
class NetGuestController;
class NetHostController;
class NetworkPanel;
class RecordKeeper;
class SkirmishScreen;

// Two players over the network: "Netzwerkspiel" on the skirmish screen
// opens the panel to host a game or to join one; the host's and the
// guest's side each have a controller of their own, and both share the
// connection's panel on the game screen. Leaving the game screen ends the
// network game on either side. The host's status line also goes to the
// standard output, one line each, for a player who started the game from a
// terminal.
class NetworkController : public QObject {
    Q_OBJECT
public:
    // Made before the record keeper, so the host's view goes out before
    // the save of a move is written.
    NetworkController(SkirmishScreen &skirmish, GameScreen &screen, GameController &game, QWidget *window);
    void setRecordKeeper(RecordKeeper &record);

    NetHostController &host() { return *host_; }
    NetGuestController &guest() { return *guest_; }
    NetworkPanel &panel() { return *panel_; }
    void levelChosen(int32_t level);

    // "Netzwerkspiel": what may be hosted, and the panel.
    void btnnetworkClick();
    // "Spiel eröffnen" and "Beitreten" in the panel.
    void btnnethostClick();
    void btnnetjoinClick();

signals:
    void errorOccurred(const QString &text);

private:
    void box(const QString &text);

    SkirmishScreen &skirmish_;
    GameScreen &screen_;
    QWidget *window_;
    RecordKeeper *record_ = nullptr;
    NetworkPanel *panel_;
    ConnectionPanel *connection_;
    NetHostController *host_;
    NetGuestController *guest_;
};

} // namespace gw
