// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <QWidget>

class QToolButton;

namespace gw {

// A pair of up/down arrows bound to an edit field. Each step reads the
// field's number, moves it by one within min..max without wrapping and
// writes it back; a field that holds no number counts as 0. A held arrow
// repeats its step until the mouse lets go of it, or until a modal box
// opens: the box takes the mouse, so the arrow would never see the release.
class SpinButtons : public QWidget {
    Q_OBJECT
public:
    SpinButtons(QWidget *parent, QLineEdit *buddy, int minimum = 0, int maximum = 999);

    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void step(int delta);

    QLineEdit *buddy_;
    int minimum_, maximum_;
    QToolButton *up_, *down_;
};

} // namespace gw
