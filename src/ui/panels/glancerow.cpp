// SPDX-License-Identifier: MIT
#include "ui/panels/glancerow.h"

#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"
#include "ui/widgets/meter.h"

#include <algorithm>

namespace gw {

namespace {
// The bases' colours, as the field marks their land; dark enough for the
// light figure on them.
const QColor kPlayerBar(0xB4, 0x1E, 0x1E);
const QColor kOpponentBar(0x28, 0x55, 0xB4);
} // namespace

GlanceRow::GlanceRow(QWidget *gameScreen) : QObject(gameScreen)
{
    // The bars lie in the row between the command buttons (down to 497) and
    // the tax line (512), from the tax line's left edge to the buttons'
    // right edge; the round stands under the round-end button. Every edge is
    // at an even pixel, so it stays on a whole pixel at 150 %.
    barbasehp_ = new Meter(gameScreen, "barbasehp", {504, 498, 136, 14}, kPlayerBar);
    barenemybasehp_ = new Meter(gameScreen, "barenemybasehp", {650, 498, 136, 14}, kOpponentBar);
    labround_ = makeFixedLabel(gameScreen, "labround", {734, 554, 62, 14}, QString(), windowFont(11, true), look::text);
    labround_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    labround_->setTextRaise(1);
    retranslate();
}

void GlanceRow::show(int32_t rounds, int32_t basehp, int32_t enemybasehp, bool twoPlayers)
{
    rounds_ = rounds;
    twoPlayers_ = twoPlayers;
    basehp_ = std::max(basehp, 0);
    enemybasehp_ = std::max(enemybasehp, 0);
    barbasehp_->setFraction(double(basehp_) / kFullHp);
    barenemybasehp_->setFraction(double(enemybasehp_) / kFullHp);
    retranslate();
}

void GlanceRow::retranslate()
{
    labround_->setCaption(tr("Runde %1").arg(rounds_));
    if (twoPlayers_) {
        barbasehp_->setFigure(tr("Rot: %1 HP").arg(basehp_));
        barenemybasehp_->setFigure(tr("Blau: %1 HP").arg(enemybasehp_));
        barbasehp_->setAccessibleName(tr("HP der roten Basis"));
        barenemybasehp_->setAccessibleName(tr("HP der blauen Basis"));
        return;
    }
    barbasehp_->setFigure(tr("Ihre Basis: %1 HP").arg(basehp_));
    barenemybasehp_->setFigure(tr("Gegner: %1 HP").arg(enemybasehp_));
    barbasehp_->setAccessibleName(tr("HP Ihrer Basis"));
    barenemybasehp_->setAccessibleName(tr("HP der gegnerischen Basis"));
}

} // namespace gw
