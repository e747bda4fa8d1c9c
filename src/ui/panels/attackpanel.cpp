// SPDX-License-Identifier: MIT
#include "ui/panels/attackpanel.h"

#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"
#include "ui/widgets/meter.h"

#include <QPushButton>

#include <cmath>

namespace gw {

namespace {
// The attacking force of each stage.
const char *const kForces[] = {
    QT_TRANSLATE_NOOP("gw::AttackPanel", "Rekruten"),       QT_TRANSLATE_NOOP("gw::AttackPanel", "Infanteristen"),
    QT_TRANSLATE_NOOP("gw::AttackPanel", "Scharfschützen"), QT_TRANSLATE_NOOP("gw::AttackPanel", "Mörsertrupps"),
    QT_TRANSLATE_NOOP("gw::AttackPanel", "Sondereinheiten"),
};
// The forecast's rows: the stages from this line down, one every 20 pixels.
constexpr int kFirstStage = 90, kStagePitch = 20;
} // namespace

AttackPanel::AttackPanel(QWidget *gameScreen) : Panel(gameScreen, "panfight", {240, 86, 329, 277}, look::panelFace)
{
    line1_ = makeLabel(this, "Label58", 16, 16, QString(), windowFont(13, true));
    line2_ = makeLabel(this, "Label59", 40, 38, QString(), windowFont(13, true));
    title_ = makeLabel(this, "labforecast", 16, 66, QString(), windowFont(12, true), look::goldLight);
    for (std::size_t s = 0; s < stages_.size(); ++s) {
        const int top = kFirstStage + kStagePitch * int(s);
        const QString n = QString::number(s + 1);
        stages_[s] = makeLabel(this, "labstage" + n, 16, top, QString(), windowFont(12));
        bars_[s] = new Meter(this, "barstage" + n, {184, top + 4, 80, 10}, look::gold);
        chances_[s] = makeLabel(this, "labchance" + n, 313, top, QString(), windowFont(12), QColor(),
                                TextLabel::Anchor::Right);
    }
    damage_ = makeLabel(this, "labforecastdamage", 16, 194, QString(), windowFont(12, true));
    destroy_ = makeLabel(this, "labforecastdestroy", 16, 213, QString(), windowFont(12, true));
    btnletsfight_ = makeButton(this, "btnletsfight", {72, 240, 75, 25}, QString(), windowFont());
    btncancelfight_ = makeButton(this, "btncancelfight", {182, 240, 75, 25}, QString(), windowFont());
    connect(btnletsfight_, &QPushButton::clicked, this, &AttackPanel::confirmClicked);
    connect(btncancelfight_, &QPushButton::clicked, this, &AttackPanel::btncancelfightClick);
    stackWindowedOnTop(this);
    retranslate();
}

void AttackPanel::setTarget(Side side)
{
    target_ = side;
    retranslate();
}


void AttackPanel::showForecast(const Forces &forces, const BattleForecast &forecast, int32_t enemybasehp)
{
    shown_ = Shown{forces, forecast, enemybasehp};
    for (std::size_t s = 0; s < bars_.size(); ++s)
        bars_[s]->setFraction(forecast.fights[s] ? forecast.stageHits[s] : 0.0);
    retranslate();
}

QString AttackPanel::percent(double chance)
{
    if (!(chance > 0))
        return tr("%1 %").arg(0);
    if (chance >= 1)
        return tr("%1 %").arg(100);
    if (chance < 0.005)
        return tr("< 1 %");
    if (chance > 0.995)
        return tr("> 99 %");
    return tr("%1 %").arg(std::lround(chance * 100));
}

void AttackPanel::retranslate()
{
    line1_->setCaption(target_ == Side::Blue ? tr("Bitte klicken Sie auf die gegnerische (blaue)")
                                             : tr("Bitte klicken Sie auf die gegnerische (rote)"));
    line2_->setCaption(tr("Basis, um den Angriff zu bestätigen !"));
    title_->setCaption(tr("Was die Würfel erwarten lassen:"));
    btnletsfight_->setText(tr("Okay"));
    btncancelfight_->setText(tr("Abbrechen"));
    for (std::size_t s = 0; s < stages_.size(); ++s) {
        const int32_t count = shown_ ? shown_->forces[s] : 0;
        stages_[s]->setCaption(tr("%1. %2 (%3)").arg(s + 1).arg(tr(kForces[s])).arg(count));
        const bool fights = shown_ && shown_->forecast.fights[s];
        chances_[s]->setCaption(fights ? percent(shown_->forecast.stageHits[s]) : QStringLiteral("–"));
    }
    const double damage = shown_ ? shown_->forecast.damage : 0;
    damage_->setCaption(tr("Erwarteter Schaden: ca. %1 HP").arg(std::lround(damage)));
    const int32_t hp = shown_ ? shown_->enemybasehp : 0;
    destroy_->setCaption(tr("Chance, die Basis zu zerstören: %1")
                             .arg(percent(shown_ ? shown_->forecast.chanceOfAtLeast(hp) : 0)));
}

} // namespace gw
