// SPDX-License-Identifier: MIT
#include "ui/widgets/messagebox.h"

#include "ui/widgets/boxhost.h"
#include "ui/widgets/gamestyle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

#include <cstdio>

namespace gw {

namespace {

// Swallows the repeats of a key that was already down when the box opened.
class RepeatedKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)
            return static_cast<QKeyEvent *>(event)->isAutoRepeat();
        return false;
    }
};

void prepare(QMessageBox &box)
{
    box.setTextFormat(Qt::PlainText);
    // The box in the game's look: its buttons are the game's plates, on a
    // dark face.
    box.setPalette(boxPalette(box.palette()));
    auto *filter = new RepeatedKeyFilter(&box);
    box.installEventFilter(filter);
    for (QAbstractButton *b : box.buttons())
        b->installEventFilter(filter);
}

} // namespace

void writeErrorLine(const QString &text)
{
    QString line = text;
    line.replace('\r', ' ').replace('\n', ' ');
    std::fprintf(stderr, "Grimsward: %s\n", line.toUtf8().constData());
}

void showMessageBox(QWidget *owner, QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, boxParent(owner));
    prepare(box);
    execBox(box, owner);
}

bool askYesNo(QWidget *owner, const QString &caption, const QString &text, DefaultAnswer defaultAnswer)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, boxParent(owner));
    QPushButton *yes = box.addButton(QCoreApplication::translate("gw::MessageBox", "&Ja"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QCoreApplication::translate("gw::MessageBox", "&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(defaultAnswer == DefaultAnswer::Yes ? yes : no);
    box.setEscapeButton(no);
    prepare(box);
    execBox(box, owner);
    return box.clickedButton() == yes;
}

} // namespace gw
