// SPDX-License-Identifier: MIT
#include "ui/widgets/spinbuttons.h"

#include <QEvent>
#include <QToolButton>

#include <algorithm>

namespace gw {

SpinButtons::SpinButtons(QWidget *parent, QLineEdit *buddy, int minimum, int maximum)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum),
      up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(7, 7));
    }
    up_->setObjectName("up");
    down_->setObjectName("down");
    connect(up_, &QToolButton::clicked, this, &SpinButtons::stepUp);
    connect(down_, &QToolButton::clicked, this, &SpinButtons::stepDown);
}

bool SpinButtons::event(QEvent *event)
{
    // Sent to every widget of a window when a modal box blocks it.
    if (event->type() == QEvent::WindowBlocked) {
        up_->setDown(false);
        down_->setDown(false);
    }
    return QWidget::event(event);
}

void SpinButtons::resizeEvent(QResizeEvent *)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void SpinButtons::step(int delta)
{
    bool ok = false;
    int value = buddy_->text().toInt(&ok);
    if (!ok)
        value = 0;
    value = std::clamp(value + delta, minimum_, maximum_);
    buddy_->setText(QString::number(value));
}

} // namespace gw
