// SPDX-License-Identifier: MIT
#include "ui/panels/rulespanel.h"

#include "ui/rulestext.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>

namespace gw {

RulesPanel::RulesPanel(QWidget *window)
    : Panel(window, "panrules", {0, 0, 799, 595}, colour::gray), window_(window)
{
    title_ = makeLabel(this, "labrulestitle", 16, 8, tr("Spielregeln"), windowFont(20, true), colour::navy);
    text_ = new QTextBrowser(this);
    text_->setObjectName("txtrules");
    text_->setGeometry(16, 40, 767, 507);
    text_->setFont(windowFont(13));
    text_->setOpenLinks(false);
    close_ = makeButton(this, "btncloserules", {362, 558, 75, 25}, tr("Schliessen"), windowFont());
    connect(close_, &QPushButton::clicked, this, &RulesPanel::btncloserulesClick);
    window->installEventFilter(this);
}

void RulesPanel::open()
{
    title_->setCaption(tr("Spielregeln"));
    close_->setText(tr("Schliessen"));
    text_->setHtml(RulesText::html());
    if (isHidden()) {
        // Everything else in the window stops taking input, so a key can
        // reach neither a count entry nor a button behind the panel.
        focus_ = window_->focusWidget();
        for (QObject *child : window_->children()) {
            auto *w = qobject_cast<QWidget *>(child);
            if (w && w != this && w->isEnabled()) {
                w->setEnabled(false);
                disabled_.emplace_back(w);
            }
        }
    }
    raise();
    show();
    text_->setFocus();
}

void RulesPanel::btncloserulesClick()
{
    hide();
    for (const QPointer<QWidget> &w : disabled_) {
        if (w)
            w->setEnabled(true);
    }
    disabled_.clear();
    if (focus_)
        focus_->setFocus();
}

bool RulesPanel::eventFilter(QObject *watched, QEvent *event)
{
    // Keys that no widget took arrive at the window.
    if (watched == window_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_F1) {
            open();
            return true;
        }
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Escape && !isHidden()) {
            btncloserulesClick();
            return true;
        }
    }
    return Panel::eventFilter(watched, event);
}

} // namespace gw
