// SPDX-License-Identifier: MIT
#include "ui/panels/resultpanel.h"

#include "ui/texts.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QPushButton>

namespace gw {

ResultPanel::ResultPanel(QWidget *gameScreen, Result result)
    : Panel(gameScreen, result == Result::Victory ? "panwin" : "panlose", {144, 152, 465, 89},
            result == Result::Victory ? colour::green : colour::maroon),
      result_(result)
{
    const bool victory = result == Result::Victory;
    label_ = makeLabel(this, victory ? "labwin" : "lablose", 16, 16, QString(), windowFont(25, true), colour::white);
    button_ = makeButton(this, victory ? "btnwin" : "btnlose", {192, 56, 75, 25}, QString(), windowFont());
    connect(button_, &QPushButton::clicked, this, &ResultPanel::confirmClicked);
    // The game report, right of the button.
    report_ = makeButton(this, victory ? "btnwinreport" : "btnlosereport", {339, 56, 110, 25}, QString(), windowFont());
    report_->hide();
    connect(report_, &QPushButton::clicked, this, &ResultPanel::reportClicked);
    // The victory's note beside the button; a defeat has none.
    if (victory) {
        note_ = makeLabel(this, "labwinnote", 16, 60, QString(), windowFont(15, true), colour::yellow);
        note_->hide();
    }
    retranslate();
}

void ResultPanel::showResult(int32_t rounds)
{
    rounds_ = rounds;
    winner_.reset();
    retranslate();
    showNote(QString());
    show();
}

void ResultPanel::showWinner(Side side, int32_t round)
{
    rounds_ = round;
    winner_ = side;
    retranslate();
    show();
}

void ResultPanel::setReportAvailable(bool available) { report_->setVisible(available); }

void ResultPanel::showNote(const QString &text)
{
    if (!note_)
        return;
    note_->setCaption(text);
    note_->setVisible(!text.isEmpty());
}

void ResultPanel::retranslate()
{
    const bool victory = result_ == Result::Victory;
    if (winner_ && rounds_) {
        label_->setCaption(Texts::winner(*winner_));
        showNote(Texts::wonInRound(*rounds_));
    } else if (rounds_) {
        label_->setCaption(victory ? Texts::victory(*rounds_) : Texts::defeat(*rounds_));
    } else {
        label_->setCaption(victory ? tr("Sie haben gewonnen.") : tr("Sie haben verloren."));
    }
    button_->setText(victory ? tr("Jippieh !!") : tr("Schade !"));
    report_->setText(tr("Spielbericht"));
}

} // namespace gw
