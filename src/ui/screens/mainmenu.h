// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

namespace gw {

class PictureBox;
class TextLabel;

// The main menu: its three picture entries ("Gefecht", "Optionen",
// "Beenden") and the version line on the window's background.
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

protected:
    // The window's language changes: the entries' pictures follow.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();

    PictureBox *btnskirmish_, *btnoptions_, *btnend_;
    TextLabel *labversion_;
};

} // namespace gw
