// SPDX-License-Identifier: MIT
#include "ui/screens/mainmenu.h"

#include "ui/language.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"
#include "ui/widgets/pictures.h"

#include <QEvent>

namespace gw {

MainMenu::MainMenu(QWidget *window) : QObject(window)
{
    auto entry = [window](const char *name, const QRect &place) {
        PictureBox *p = makePicture(window, name, place);
        p->setCursor(Qt::PointingHandCursor);
        return p;
    };
    btnskirmish_ = entry("btnskirmish", {0, 0, 300, 188});
    btnoptions_ = entry("btnoptions", {0, 192, 300, 198});
    btnend_ = entry("btnend", {0, 392, 300, 201});
    labversion_ = makeFixedLabel(window, "labversion", {728, 576, 53, 13}, QString(), windowFont(), look::text);
    connect(btnskirmish_, &PictureBox::clicked, this, &MainMenu::skirmishClicked);
    connect(btnoptions_, &PictureBox::clicked, this, &MainMenu::optionsClicked);
    connect(btnend_, &PictureBox::clicked, this, &MainMenu::endClicked);
    window->installEventFilter(this);
    retranslate();
}

void MainMenu::setEntriesVisible(bool visible)
{
    for (PictureBox *p : {btnskirmish_, btnoptions_, btnend_})
        p->setVisible(visible);
}

bool MainMenu::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    return false;
}

void MainMenu::retranslate()
{
    btnskirmish_->setPicture(withTransparentBottomLeft(wordPicture("menu_skirmish.bmp")));
    btnoptions_->setPicture(withTransparentBottomLeft(wordPicture("menu_options.bmp")));
    btnend_->setPicture(withTransparentBottomLeft(wordPicture("menu_end.bmp")));
    labversion_->setCaption(tr("Version %1").arg(QStringLiteral(GRIMSWARD_VERSION)));
}

} // namespace gw
