// SPDX-License-Identifier: MIT
#include "ui/panels/palette.h"

#include "core/cells.h"
#include "ui/widgets/layoutkit.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace gw {

namespace {
constexpr int kColumnsShown = 12;
constexpr int kPitch = 39;  // a 35-pixel picture and its frame
constexpr int kInset = 2;
} // namespace

Palette::Palette(QWidget *parent) : QWidget(parent)
{
    setObjectName("editorpalette");
    setGeometry(8, 454, kColumnsShown * kPitch, 3 * kPitch);
    setCursor(Qt::PointingHandCursor);
}

const std::vector<std::string> &Palette::states()
{
    static const std::vector<std::string> all = [] {
        std::vector<std::string> s;
        for (const Terrain &t : terrains())
            s.push_back(freeState(t));
        s.push_back(std::string()); // the free row has no base
        for (const Terrain &t : terrains())
            s.push_back(playerState(t));
        s.push_back("Red_Base");
        for (const Terrain &t : terrains())
            s.push_back(opponentState(t));
        s.push_back(kBlueBase);
        return s;
    }();
    return all;
}

QRect Palette::slotRect(std::size_t index)
{
    const int i = static_cast<int>(index);
    return QRect((i % kColumnsShown) * kPitch + kInset, (i / kColumnsShown) * kPitch + kInset, 35, 35);
}

void Palette::setPictures(const std::vector<QImage> &pictures)
{
    pictures_ = pictures;
    update();
}

void Palette::showBrush(const std::string &state)
{
    brush_ = state;
    update();
}

void Palette::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const auto &all = states();
    for (std::size_t i = 0; i < all.size() && i < pictures_.size(); ++i) {
        if (all[i].empty() || pictures_[i].isNull())
            continue;
        const QRect place = slotRect(i);
        painter.setClipRect(place);
        painter.drawImage(place.topLeft(), pictures_[i]);
    }
    painter.setClipping(false);
    const auto it = std::find(all.begin(), all.end(), brush_);
    if (brush_.empty() || it == all.end())
        return;
    painter.setPen(QPen(colour::yellow, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(slotRect(static_cast<std::size_t>(it - all.begin())).adjusted(-1, -1, 1, 1));
}

void Palette::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const auto &all = states();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!all[i].empty() && slotRect(i).adjusted(-kInset, -kInset, kInset, kInset).contains(point)) {
            emit stateChosen(all[i]);
            return;
        }
    }
}

} // namespace gw
