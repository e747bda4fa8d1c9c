// SPDX-License-Identifier: MIT
#include "ui/tgw.h"

#include "core/gameerror.h"
#include "ui/framewidgets.h"
#include "ui/messagebox.h"
#include "ui/pictures.h"
#include "ui/picturebox.h"
#include "ui/windowdrag.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace gw {

Tgw::Tgw(std::unique_ptr<SoundSystem> sound, QWidget *parent)
    : QWidget(parent), sound_(sound ? std::move(sound) : makeMediaSoundSystem())
{
    // One generator for the whole run, seeded once from the clock.
    random_.clockreseed();
    buildWindow();
    buildTimers();
    wireGameScreen();
    wireEntryKeys();
    drag_ = new WindowDrag(this);
    openSounds();
    // The timers the layout starts with.
    mainmenuslide_->start();
    tmusicrewind_->start();
    guarded([this] { FormCreate(); });
}

Tgw::~Tgw()
{
    // The members go before the widgets: a widget that still sends a
    // signal while it is taken down (the map list's entry loses the focus and
    // reports the end of editing) must not reach a handler any more.
    QObject::disconnect(maplist_->lineEdit(), nullptr, this, nullptr);
    QObject::disconnect(maplist_, nullptr, this, nullptr);
    for (Sound s : kAllSounds)
        sound_->close(s);
}

void Tgw::openSounds()
{
    for (Sound s : kAllSounds)
        sound_->open(s);
}

void Tgw::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void Tgw::onClick(QWidget *widget, std::function<void()> handler)
{
    auto run = [this, handler] { guarded(handler); };
    if (auto *button = qobject_cast<QPushButton *>(widget))
        connect(button, &QPushButton::clicked, this, run);
    else if (auto *picture = qobject_cast<PictureBox *>(widget))
        connect(picture, &PictureBox::clicked, this, run);
}

void Tgw::showError(const QString &text)
{
    QString shown = text;
    if (!shown.isEmpty() && shown.back().unicode() > u'.')
        shown += '.';
    // Also on the error output, where a run without a screen leaves a trace.
    QString line = shown;
    line.replace('\r', ' ').replace('\n', ' ');
    std::fprintf(stderr, "Grimsward: %s\n", line.toUtf8().constData());
    showMessageBox(this, QMessageBox::Critical, QStringLiteral("Grimsward"), shown);
}

void Tgw::message(const std::string &text, const std::string &caption)
{
    showMessageBox(this, QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text));
}

void Tgw::showCounter(CounterLabel label, int32_t value)
{
    counters_[static_cast<std::size_t>(label)]->setCaption(QString::number(value));
}

void Tgw::playSound(Sound sound) { sound_->play(sound); }

void Tgw::stopSound(Sound sound) { sound_->stop(sound); }

void Tgw::showVictory(const std::string &text)
{
    decided_ = true;
    labwin_->setCaption(QString::fromStdString(text));
    panwin_->show();
}

void Tgw::showDefeat(const std::string &text)
{
    decided_ = true;
    lablose_->setCaption(QString::fromStdString(text));
    panlose_->show();
}

void Tgw::enableRedraw()
{
    // Enabling a running timer must not restart its rhythm.
    if (!tfieldact_->isActive())
        tfieldact_->start();
}

} // namespace gw
