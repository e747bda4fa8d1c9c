// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace gw {

// Lets the player move a borderless window by dragging any part of it that
// is not a control: the background, panels, labels and pictures nobody
// listens to. It asks the window system to move the window; where that is
// not offered, it follows the mouse itself. Watches the whole application
// and acts only on presses inside its own window.
class WindowDrag : public QObject {
    Q_OBJECT
public:
    explicit WindowDrag(QWidget *window);
    ~WindowDrag() override;

    // Whether a press on this widget would start a drag.
    bool isDragHandle(const QWidget *widget) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    bool dragging_ = false;
    QPoint pressGlobal_;
    QPoint windowAtPress_;
};

} // namespace gw
