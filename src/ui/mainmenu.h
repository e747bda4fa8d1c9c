// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

namespace gw {

class PictureBox;

// The main menu: its three picture entries ("Gefecht", "Optionen",
// "Beenden") on the window's background.
class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(QWidget *window);

    // The entries show on the main menu only; the options and skirmish
    // panels do not cover them fully.
    void setEntriesVisible(bool visible);

signals:
    void skirmishClicked();
    void optionsClicked();
    void endClicked();

private:
    PictureBox *btnskirmish_, *btnoptions_, *btnend_;
};

} // namespace gw
