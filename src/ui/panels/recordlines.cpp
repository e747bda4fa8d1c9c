// SPDX-License-Identifier: MIT
#include "ui/panels/recordlines.h"

#include "core/stats.h"
#include "ui/texts.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QPushButton>

namespace gw {

RecordLines::RecordLines(QWidget *skirmishScreen) : QObject(skirmishScreen)
{
    // Under the preview's frame, across the screen's width.
    labstats_ = makeFixedLabel(skirmishScreen, "labstats", {0, 248, 601, 20}, QString(), windowFont(13, true),
                               colour::moneyGreen);
    labstats_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // A row below the map list, lined up with "Karte:" and the list.
    btncontinue_ = makeButton(skirmishScreen, "btncontinue", {112, 336, 105, 25}, tr("Fortsetzen"), windowFont(13));
    labsavegame_ = makeLabel(skirmishScreen, "labsavegame", 232, 340, QString(), windowFont(13), colour::moneyGreen);
    hideSavedGame();
    connect(btncontinue_, &QPushButton::clicked, this, &RecordLines::continueClicked);
}

void RecordLines::showStatistics(const MapRecord &record, int32_t level)
{
    QString line = record.fewestRounds > 0 ? tr("Siege: %1 · Niederlagen: %2 · Rekord: %3 Runden")
                                                 .arg(record.wins)
                                                 .arg(record.losses)
                                                 .arg(record.fewestRounds)
                                           : tr("Siege: %1 · Niederlagen: %2 · Rekord: –").arg(record.wins).arg(record.losses);
    // The level always, so a switch back to "Leicht" says whose figures these are.
    labstats_->setCaption(tr("%1 (%2)").arg(line, Texts::levelName(level)));
}

void RecordLines::showSavedGame(const std::string &mapName, int32_t rounds, int32_t level, bool twoPlayers)
{
    btncontinue_->setText(tr("Fortsetzen"));
    QString line = tr("%1, Runde %2").arg(Texts::mapName(mapName)).arg(rounds);
    if (twoPlayers)
        line = tr("%1, zu zweit").arg(line);
    else if (level > 0)
        line = tr("%1, %2").arg(line, Texts::levelName(level));
    labsavegame_->setCaption(line);
    btncontinue_->show();
    labsavegame_->show();
}

void RecordLines::hideSavedGame()
{
    btncontinue_->hide();
    labsavegame_->hide();
}

} // namespace gw
