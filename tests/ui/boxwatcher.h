// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

class QMessageBox;

// Answers the modal message boxes of a test as they come up and records
// them. Every few milliseconds it looks for a visible QMessageBox; it clicks
// the button whose text is next in the queue of answers, or the box's
// default button when the queue is empty.
class BoxWatcher : public QObject {
public:
    struct Box {
        QString title;
        QString text;
        int icon = 0;             // QMessageBox::Icon
        Qt::TextFormat textFormat = Qt::AutoText;
        QStringList buttons;      // button texts
        QString defaultButton;
        QString escapeButton;
        QObject *owner = nullptr; // the box's parent
    };

    BoxWatcher();

    // The next box is answered with the button of this text ("&Nein").
    void answerNext(const QString &buttonText) { answers_.push_back(buttonText); }

    // Runs when a box comes up, before it is answered, so a test can look
    // at the window at that moment.
    std::function<void(const Box &)> onBox;

    const std::vector<Box> &boxes() const { return boxes_; }
    // The texts of all boxes seen, in order.
    QStringList texts() const;
    void clear() { boxes_.clear(); }

private:
    void look();

    QTimer timer_;
    std::deque<QString> answers_;
    std::vector<Box> boxes_;
};

// Runs the event loop for the given time, as a user would wait.
void pump(int milliseconds);

// Runs the event loop until the condition holds or the time is up; returns
// whether it holds.
bool waitUntil(const std::function<bool()> &condition, int milliseconds);
