// SPDX-License-Identifier: MIT
#include "ui/networkcontroller.h"

#include "rules/movelog.h"
#include "ui/gamecontroller.h"
#include "ui/netguestcontroller.h"
#include "ui/nethostcontroller.h"
#include "ui/nettexts.h"
#include "ui/panels/connectionpanel.h"
#include "ui/panels/networkpanel.h"
#include "ui/recordkeeper.h"
#include "ui/screens/gamescreen.h"
#include "ui/screens/skirmishscreen.h"
#include "ui/texts.h"
#include "ui/widgets/guard.h"
#include "ui/widgets/messagebox.h"

#include <cstdio>
#include <optional>

namespace gw {

namespace {

// A port as typed: 1 to 65535.
std::optional<quint16> portOf(const QString &text)
{
    bool ok = false;
    const uint port = text.toUInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return std::nullopt;
    return static_cast<quint16>(port);
}

} // namespace

NetworkController::NetworkController(SkirmishScreen &skirmish, GameScreen &screen, GameController &game,
                                     QWidget *window)
    : QObject(window), skirmish_(skirmish), screen_(screen), window_(window), panel_(new NetworkPanel(&skirmish)),
      connection_(new ConnectionPanel(&screen)), host_(new NetHostController(game, screen, *connection_, window)),
      guest_(new NetGuestController(game, screen, *connection_, window))
{
    const auto report = [this](const QString &text) { emit errorOccurred(text); };
    connectGuarded(&skirmish, &SkirmishScreen::networkClicked, this, &NetworkController::btnnetworkClick, report);
    connectGuarded(panel_, &NetworkPanel::hostClicked, this, &NetworkController::btnnethostClick, report);
    connectGuarded(panel_, &NetworkPanel::joinClicked, this, &NetworkController::btnnetjoinClick, report);
    connect(host_, &NetHostController::errorOccurred, this, &NetworkController::errorOccurred);
    connect(guest_, &NetGuestController::errorOccurred, this, &NetworkController::errorOccurred);
    connect(host_, &NetHostController::status, this, [](const QString &text) {
        std::printf("%s\n", tr("Netzwerkspiel: %1").arg(text).toLocal8Bit().constData());
        std::fflush(stdout);
    });
    // The guest in: its game screen instead of the skirmish screen.
    connect(guest_, &NetGuestController::joined, this, [this] {
        panel_->hide();
        skirmish_.hide();
        screen_.show();
    });
    connect(guest_, &NetGuestController::failed, this, [this](const QString &text) {
        panel_->setJoining(false);
        panel_->showStatus(text);
        box(text);
    });
    // A join under way ends with the panel.
    connect(panel_, &NetworkPanel::closed, this, [this] {
        if (!guest_->isPlaying())
            guest_->gameLeft();
    });
    connect(&screen, &GameScreen::leaveClicked, this, [this] {
        host_->gameLeft();
        guest_->gameLeft();
    });
}

void NetworkController::setRecordKeeper(RecordKeeper &record)
{
    record_ = &record;
    host_->setRecordKeeper(record);
}

void NetworkController::levelChosen(int32_t level) { host_->levelChosen(level); }

void NetworkController::box(const QString &text)
{
    showMessageBox(window_, QMessageBox::Warning, NetTexts::caption(), text);
}

void NetworkController::btnnetworkClick()
{
    QString saved;
    if (const std::optional<SavedGame> game = record_->continuableGame();
        game && game->players == static_cast<int32_t>(Players::SameScreen))
        saved = tr("Gespeichertes Spiel: %1, Runde %2").arg(Texts::mapName(game->mapName)).arg(game->state.rounds);
    panel_->open(saved, skirmish_.mapNames(), skirmish_.chosenMap());
}

void NetworkController::btnnethostClick()
{
    const std::optional<quint16> port = portOf(panel_->hostPort());
    if (!port) {
        box(NetTexts::badPort());
        return;
    }
    if (host_->host(panel_->chosenMap(), *port))
        panel_->hide();
}

void NetworkController::btnnetjoinClick()
{
    const QString host = panel_->joinHost();
    const std::optional<quint16> port = portOf(panel_->joinPort());
    if (host.isEmpty()) {
        box(tr("Bitte geben Sie den Namen oder die Adresse des Rechners ein, der das Spiel eröffnet hat."));
        return;
    }
    if (!port) {
        box(NetTexts::badPort());
        return;
    }
    if (!guest_->join(host, *port, panel_->joinCode())) {
        box(NetTexts::badCode());
        return;
    }
    panel_->setJoining(true);
    panel_->showStatus(tr("Verbinde mit %1:%2 …").arg(host).arg(*port));
}

} // namespace gw
