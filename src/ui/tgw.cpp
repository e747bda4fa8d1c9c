#include "ui/tgw.h"

#include "core/gameerror.h"
#include "ui/framewidgets.h"
#include "ui/pictures.h"
#include "ui/picturebox.h"
#include "ui/windowdrag.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace gw {

Tgw::Tgw(std::unique_ptr<SoundSystem> sound, QWidget *parent)
    : QWidget(parent), sound_(sound ? std::move(sound) : makePulseSoundSystem())
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
    QMessageBox box(QMessageBox::Critical, "Grimsward", shown, QMessageBox::Ok, this);
    box.exec();
}

void Tgw::message(const std::string &text, const std::string &caption)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, this);
    box.exec();
}

void Tgw::showCounter(CounterLabel label, int32_t value)
{
    counters_[static_cast<std::size_t>(label)]->setCaption(QString::number(value));
}

void Tgw::playSound(Sound sound) { sound_->play(sound); }

void Tgw::stopSound(Sound sound) { sound_->stop(sound); }

void Tgw::showVictory(const std::string &text)
{
    labwin_->setCaption(QString::fromStdString(text));
    panwin_->show();
}

void Tgw::showDefeat(const std::string &text)
{
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
