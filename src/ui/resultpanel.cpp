// SPDX-License-Identifier: MIT
#include "ui/resultpanel.h"

#include "ui/fonts.h"
#include "ui/layoutkit.h"

#include <QPushButton>

namespace gw {

ResultPanel::ResultPanel(QWidget *gameScreen, Result result)
    : Panel(gameScreen, result == Result::Victory ? "panwin" : "panlose", {144, 152, 465, 89},
            result == Result::Victory ? colour::green : colour::maroon)
{
    const bool victory = result == Result::Victory;
    label_ = makeLabel(this, victory ? "labwin" : "lablose", 16, 16,
                       victory ? "Sie haben gewonnen." : "Sie haben verloren.", windowFont(25, true));
    QPushButton *confirm = makeButton(this, victory ? "btnwin" : "btnlose", {192, 56, 75, 25},
                                      victory ? "Jippieh !!" : "Schade !", windowFont());
    connect(confirm, &QPushButton::clicked, this, &ResultPanel::confirmClicked);
    // The victory's note beside the button; a defeat has none.
    if (victory) {
        note_ = makeLabel(this, "labwinnote", 16, 60, QString(), windowFont(15, true), colour::yellow);
        note_->hide();
    }
}

void ResultPanel::showResult(const QString &text)
{
    label_->setCaption(text);
    showNote(QString());
    show();
}

void ResultPanel::showNote(const QString &text)
{
    if (!note_)
        return;
    note_->setCaption(text);
    note_->setVisible(!text.isEmpty());
}

} // namespace gw
