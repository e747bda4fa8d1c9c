// SPDX-License-Identifier: MIT
#include "ui/mainmenu.h"

#include "ui/layoutkit.h"
#include "ui/pictures.h"

namespace gw {

MainMenu::MainMenu(QWidget *window) : QObject(window)
{
    auto entry = [window](const char *name, const QRect &place, const char *picture) {
        PictureBox *p = makePicture(window, name, place);
        p->setPicture(withTransparentBottomLeft(resourcePicture(picture)));
        p->setCursor(Qt::PointingHandCursor);
        return p;
    };
    btnskirmish_ = entry("btnskirmish", {0, 0, 300, 188}, "menu_skirmish.bmp");
    btnoptions_ = entry("btnoptions", {0, 192, 300, 198}, "menu_options.bmp");
    btnend_ = entry("btnend", {0, 392, 300, 201}, "menu_end.bmp");
    connect(btnskirmish_, &PictureBox::clicked, this, &MainMenu::skirmishClicked);
    connect(btnoptions_, &PictureBox::clicked, this, &MainMenu::optionsClicked);
    connect(btnend_, &PictureBox::clicked, this, &MainMenu::endClicked);
}

void MainMenu::setEntriesVisible(bool visible)
{
    for (PictureBox *p : {btnskirmish_, btnoptions_, btnend_})
        p->setVisible(visible);
}

} // namespace gw
