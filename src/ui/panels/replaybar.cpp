// SPDX-License-Identifier: MIT
#include "ui/panels/replaybar.h"

#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QPushButton>

#include <iterator>

namespace gw {

ReplayBar::ReplayBar(QWidget *gameScreen) : Panel(gameScreen, "panreplay", {264, 450, 528, 52}, colour::black)
{
    btnplay_ = makeButton(this, "btnreplayplay", {8, 4, 92, 25}, QString(), windowFont(13));
    btnstep_ = makeButton(this, "btnreplaystep", {106, 4, 70, 25}, QString(), windowFont(13));
    labspeed_ = makeFixedLabel(this, "labreplayspeed", {188, 8, 52, 18}, QString(), windowFont(13), colour::moneyGreen);
    // A switch like the options screen's.
    btnspeed_ = makeButton(this, "btnreplayspeed", {242, 4, 112, 25}, QString(), windowFont(13));
    btnback_ = makeButton(this, "btnreplayback", {446, 4, 75, 25}, QString(), windowFont(13));
    labround_ = makeFixedLabel(this, "labreplayround", {8, 32, 512, 18}, QString(), windowFont(13, true), colour::yellow);
    connect(btnplay_, &QPushButton::clicked, this, &ReplayBar::playClicked);
    connect(btnstep_, &QPushButton::clicked, this, &ReplayBar::stepClicked);
    connect(btnback_, &QPushButton::clicked, this, &ReplayBar::btnreplaybackClick);
    connect(btnspeed_, &QPushButton::clicked, this, [this] {
        speed_ = (speed_ + 1) % static_cast<int>(std::size(kSpeeds));
        retranslate();
        emit speedChanged();
    });
    stackWindowedOnTop(this);
    retranslate();
}

void ReplayBar::showPlaying(bool playing, bool more)
{
    playing_ = playing;
    btnplay_->setEnabled(more);
    btnstep_->setEnabled(more && !playing);
    retranslate();
}

void ReplayBar::showRound(int32_t round, int32_t last)
{
    round_ = round;
    last_ = last;
    end_.clear();
    retranslate();
}

void ReplayBar::showEnd(const QString &text)
{
    end_ = text;
    retranslate();
}

void ReplayBar::retranslate()
{
    btnplay_->setText(playing_ ? tr("Anhalten") : tr("Abspielen"));
    btnstep_->setText(tr("Schritt"));
    labspeed_->setCaption(tr("Tempo:"));
    btnspeed_->setText(kSpeeds[speed_] == 1 ? tr("1 Runde/s") : tr("%1 Runden/s").arg(kSpeeds[speed_]));
    btnback_->setText(tr("Zurück"));
    const QString where = tr("Wiederholung: Runde %1 von %2").arg(round_).arg(last_);
    labround_->setCaption(end_.isEmpty() ? where : tr("%1 – %2").arg(where, end_));
}

} // namespace gw
