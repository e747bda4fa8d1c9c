// SPDX-License-Identifier: MIT
#include "boxwatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>

BoxWatcher::BoxWatcher()
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &BoxWatcher::look);
    timer_.start();
}

QStringList BoxWatcher::texts() const
{
    QStringList out;
    for (const Box &b : boxes_)
        out << b.text;
    return out;
}

void BoxWatcher::look()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box || !box->isVisible() || box->property("answered").toBool())
            continue;
        box->setProperty("answered", true);
        Box seen;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.textFormat = box->textFormat();
        for (QAbstractButton *b : box->buttons())
            seen.buttons << b->text();
        if (box->defaultButton())
            seen.defaultButton = box->defaultButton()->text();
        if (box->escapeButton())
            seen.escapeButton = box->escapeButton()->text();
        seen.owner = box->parent();
        boxes_.push_back(seen);
        if (onBox)
            onBox(seen);

        QAbstractButton *press = nullptr;
        if (!answers_.empty()) {
            const QString wanted = answers_.front();
            answers_.pop_front();
            for (QAbstractButton *b : box->buttons()) {
                if (b->text() == wanted)
                    press = b;
            }
        }
        if (!press)
            press = box->defaultButton() ? static_cast<QAbstractButton *>(box->defaultButton())
                                         : box->buttons().value(0);
        // Clicking from inside the timer would nest the box's own loop; let
        // the click arrive as a separate event.
        QMetaObject::invokeMethod(press, "click", Qt::QueuedConnection);
    }
}

void pump(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitUntil(const std::function<bool()> &condition, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds)
            return false;
        pump(10);
    }
    return true;
}
