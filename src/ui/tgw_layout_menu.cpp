// SPDX-License-Identifier: MIT
// The window itself, the main menu, the options and the skirmish screen.
#include "ui/fonts.h"
#include "ui/layoutkit.h"
#include "ui/pictures.h"
#include "ui/tgw.h"

#include "map/mapfile.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace gw {

void Tgw::buildWindow()
{
    setObjectName("gw");
    setWindowTitle("Grimsward");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(799, 595);
    setFont(windowFont());
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

    using Fit = PictureBox::Fit;
    bground_ = makePicture(this, "bground", {0, 0, 800, 600}, Fit::Stretch);
    bground_->setPicture(resourcePicture("background.jpg"));

    btnskirmish_ = makePicture(this, "btnskirmish", {0, 0, 300, 188});
    btnskirmish_->setPicture(withTransparentBottomLeft(resourcePicture("menu_skirmish.bmp")));
    btnoptions_ = makePicture(this, "btnoptions", {0, 192, 300, 198});
    btnoptions_->setPicture(withTransparentBottomLeft(resourcePicture("menu_options.bmp")));
    btnend_ = makePicture(this, "btnend", {0, 392, 300, 201});
    btnend_->setPicture(withTransparentBottomLeft(resourcePicture("menu_end.bmp")));
    for (PictureBox *p : {btnskirmish_, btnoptions_, btnend_})
        p->setCursor(Qt::PointingHandCursor);
    onClick(btnskirmish_, [this] { btnskirmishClick(); });
    onClick(btnoptions_, [this] { btnoptionsClick(); });
    onClick(btnend_, [this] { btnendClick(); });

    makeFixedLabel(this, "labversion", {728, 576, 53, 13}, "Version 1.1", windowFont(), colour::maroon);

    panoptions_ = makePanel(this, "panoptions", {184, 128, 425, 297}, colour::black);
    panskirmish_ = makePanel(this, "panskirmish", {120, 56, 601, 449}, colour::black);
    pangame_ = makePanel(this, "pangame", {0, 0, 800, 600}, colour::black);
    buildOptionsScreen();
    buildSkirmishScreen();
    buildGameScreen();
    stackWindowedOnTop(this);
}

void Tgw::buildOptionsScreen()
{
    QWidget *p = panoptions_;
    makeFixedLabel(p, "labmusic", {112, 56, 72, 22}, "Musik:", decorativeFont(18), colour::green);
    makeFixedLabel(p, "labsound", {104, 104, 81, 22}, "Sound:", decorativeFont(18), colour::green);
    PictureBox *back = makePicture(p, "btnoptionsback", {24, 200, 192, 51});
    back->setPicture(withTransparentBottomLeft(resourcePicture("back.bmp")));
    onClick(back, [this] { btnoptionsbackClick(); });
    btnmusic_ = makeButton(p, "btnmusic", {200, 56, 113, 25}, "* Eingeschaltet *", windowFont(15));
    btnsound_ = makeButton(p, "btnsound", {200, 104, 113, 25}, "* Eingeschaltet *", windowFont(15));
    onClick(btnmusic_, [this] { btnmusicClick(); });
    onClick(btnsound_, [this] { btnsoundClick(); });
    stackWindowedOnTop(p);
}

void Tgw::buildSkirmishScreen()
{
    QWidget *p = panskirmish_;
    mappreview_ = makePicture(p, "mappreview", {184, 64, 265, 161}, PictureBox::Fit::Proportional);
    mappreview_->setPicture(resourcePicture("preview_default.bmp"));
    auto *frame = new Bevel(p, Bevel::Shape::Frame);
    frame->setObjectName("mappreviewframe");
    frame->setGeometry(176, 56, 281, 177);
    makeFixedLabel(p, "labmap", {112, 296, 79, 24}, "Karte:", decorativeFont(20, true), colour::green);

    const QImage back = withTransparentBottomLeft(resourcePicture("back.bmp"));
    PictureBox *skirmishBack = makePicture(p, "btnskirmishback", {8, 392, 192, 51});
    skirmishBack->setPicture(back);
    onClick(skirmishBack, [this] { btnskirmishbackClick(); });
    PictureBox *start = makePicture(p, "btnskirmishstart", {400, 392, 192, 51});
    start->setPicture(withTransparentBottomLeft(resourcePicture("start.bmp")));
    onClick(start, [this] { btnskirmishstartClick(); });

    maplist_ = new QComboBox(p);
    maplist_->setObjectName("maplist");
    maplist_->setGeometry(232, 296, 209, 21);
    maplist_->setEditable(true);
    maplist_->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string &name : shippedMapNames())
        maplist_->addItem(QString::fromStdString(name));
    // No entry selected, the first map's name in view.
    maplist_->setCurrentIndex(-1);
    maplist_->setEditText(QString::fromStdString(shippedMapNames().front()));
    connect(maplist_, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { maplistChange(); }); });
    // Typing the exact name of a map chooses it; any other text is left
    // standing until editing ends and then gives way to the map in force.
    connect(maplist_, &QComboBox::editTextChanged, this, [this](const QString &text) {
        const int index = maplist_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0 && index != maplist_->currentIndex())
            maplist_->setCurrentIndex(index);
    });
    connect(maplist_->lineEdit(), &QLineEdit::editingFinished, this, [this] { showMapChoice(); });
    stackWindowedOnTop(p);
}

void Tgw::buildTimers()
{
    mainmenuslide_ = new QTimer(this);
    mainmenuslide_->setObjectName("mainmenuslide");
    mainmenuslide_->setInterval(25);
    connect(mainmenuslide_, &QTimer::timeout, this, [this] { guarded([this] { mainmenuslideTimer(); }); });

    tfieldact_ = new QTimer(this);
    tfieldact_->setObjectName("tfieldact");
    tfieldact_->setInterval(1000);
    connect(tfieldact_, &QTimer::timeout, this, [this] { guarded([this] { tfieldactTimer(); }); });

    tmusicrewind_ = new QTimer(this);
    tmusicrewind_->setObjectName("tmusicrewind");
    tmusicrewind_->setInterval(116000);
    // A coarse timer may be half a second off on so long an interval.
    tmusicrewind_->setTimerType(Qt::PreciseTimer);
    connect(tmusicrewind_, &QTimer::timeout, this, [this] { guarded([this] { tmusicrewindTimer(); }); });
}

} // namespace gw
