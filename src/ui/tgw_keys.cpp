// SPDX-License-Identifier: MIT
// The keyboard: Escape backs out of whatever is open, Enter in an entry
// field orders what the entries hold.
#include "ui/tgw.h"

#include "ui/framewidgets.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace gw {

void Tgw::keyPressEvent(QKeyEvent *event)
{
    // Keys reach the window when the focused widget has no use for them.
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    guarded([this] { escapePressed(); });
}

void Tgw::escapePressed()
{
    auto press = [this](const char *button) { findChild<QPushButton *>(button)->click(); };
    auto open = [](const Panel *p) { return !p->isHidden(); };

    if (open(pangame_)) {
        // The topmost panel first; the victory and defeat panels stay until
        // their own buttons are pressed.
        if (open(panreport_))
            press("btnclosereport");
        else if (open(panfight_))
            panfight_->hide();
        else if (open(panbuild_))
            press("btncancelbuild");
        else if (open(pantrain_))
            press("btntraincancel");
        else if (open(panbuy_))
            press("btncancel");
        else if (open(paninfo_) || open(pantax_) || open(panenemyinfo_))
            press("btncloseinfo");
        return;
    }
    if (open(panoptions_)) {
        btnoptionsbackClick();
        return;
    }
    if (open(panskirmish_)) {
        btnskirmishbackClick();
        return;
    }
    if (state_.menustate == 0)
        btnendClick();
}

void Tgw::wireEntryKeys()
{
    auto *buy = findChild<QPushButton *>("btnletsbuy");
    for (QLineEdit *e : purchaseEntries_)
        connect(e, &QLineEdit::returnPressed, buy, &QPushButton::click);
    auto *train = findChild<QPushButton *>("btntrain");
    for (QLineEdit *e : trainingEntries_)
        connect(e, &QLineEdit::returnPressed, train, &QPushButton::click);
}

} // namespace gw
