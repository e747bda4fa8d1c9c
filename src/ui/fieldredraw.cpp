// SPDX-License-Identifier: MIT
#include "ui/fieldredraw.h"

#include "core/cells.h"
#include "core/gameerror.h"
#include "core/gamestate.h"
#include "ui/panels/fieldpanel.h"
#include "ui/texts.h"
#include "ui/widgets/picturecache.h"

#include <QTimer>

#include <vector>

namespace gw {

FieldRedraw::FieldRedraw(const GameState &state, FieldPanel &field, QObject *parent)
    : QObject(parent), state_(state), field_(field), tfieldact_(new QTimer(this))
{
    tfieldact_->setObjectName("tfieldact");
    tfieldact_->setInterval(1000);
    connect(tfieldact_, &QTimer::timeout, this, &FieldRedraw::tfieldactTimer);
}

void FieldRedraw::enable()
{
    if (!tfieldact_->isActive())
        tfieldact_->start();
}

void FieldRedraw::stop() { tfieldact_->stop(); }

bool FieldRedraw::isActive() const { return tfieldact_->isActive(); }

void FieldRedraw::tfieldactTimer()
{
    std::vector<QString> newFailures;
    PictureCache cache;
    for (int n = 1; n <= kCells; ++n) {
        const std::string &cell = state_.memgame.line(static_cast<std::size_t>(n));
        // A cell that shows its state already is left alone; one whose
        // picture failed still shows an older state and is tried again.
        if (field_.shownState(n) == cell)
            continue;
        const std::string path = cellPicturePath(cell);
        try {
            field_.setCellPicture(n, cache.load(path), cell);
        } catch (const GameError &e) {
            if (reported_.insert(path).second)
                newFailures.push_back(Texts::error(e));
        }
    }
    for (const QString &text : newFailures)
        emit pictureFailed(text);
}

} // namespace gw
