// SPDX-License-Identifier: MIT
#include "ui/panels/reportpanel.h"

#include "ui/texts.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/layoutkit.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include <algorithm>

namespace gw {

namespace {

constexpr int kReportWidth = 560;
constexpr int kWideWidth = 784;
constexpr int kMargin = 16;
constexpr int kFieldHeight = 449;
constexpr int kWindowHeight = 595;
constexpr int kCloseWidth = 75, kCloseHeight = 25;
constexpr int kGameReportWidth = 110, kButtonGap = 12;
// The lower edge of the victory and defeat panels (152 + 89).
constexpr int kResultBottom = 241;

} // namespace

ReportPanel::ReportPanel(QWidget *gameScreen)
    // Placed and sized to its lines each time it is shown.
    : Panel(gameScreen, "panreport", {120, 110, kReportWidth, 230}, look::panelFace)
{
    title_ = makeLabel(this, "labreporttitle", kMargin, 8, QString(), windowFont(15, true));
    for (std::size_t i = 0; i < headings_.size(); ++i) {
        const QString n = QString::number(i + 1);
        headings_[i] = makeLabel(this, "labreporthead" + n, kMargin, 0, QString(), windowFont(13, true), look::goldLight);
        auto *body = new QLabel(this);
        body->setObjectName("labreport" + n);
        body->setFont(windowFont(12));
        body->setTextFormat(Qt::PlainText);
        body->setWordWrap(true);
        body->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        bodies_[i] = body;
    }
    btnclosereport_ = makeButton(this, "btnclosereport",
                                 {(kReportWidth - kCloseWidth) / 2, 0, kCloseWidth, kCloseHeight}, QString(),
                                 windowFont());
    connect(btnclosereport_, &QPushButton::clicked, this, &ReportPanel::btnclosereportClick);
    btngamereport_ = makeButton(this, "btngamereport", {0, 0, kGameReportWidth, kCloseHeight}, QString(), windowFont());
    btngamereport_->hide();
    connect(btngamereport_, &QPushButton::clicked, this, &ReportPanel::gameReportClicked);
    stackWindowedOnTop(this);
    retranslate();
}

void ReportPanel::showBattleReport(const std::vector<BattleResult> &battles, bool besideResult)
{
    battles_ = battles;
    besideResult_ = besideResult;
    layOutBattles();
    show();
}

void ReportPanel::setGameReportAvailable(bool available)
{
    btngamereport_->setVisible(available);
    if (!battles_.empty())
        layOutBattles();
}

void ReportPanel::retranslate()
{
    title_->setCaption(tr("Kampfbericht"));
    btnclosereport_->setText(tr("Schliessen"));
    btngamereport_->setText(tr("Spielbericht"));
    if (!battles_.empty())
        layOutBattles();
}

void ReportPanel::layOutBattles()
{
    const std::vector<BattleResult> &battles = battles_;
    for (std::size_t i = 0; i < headings_.size(); ++i) {
        const bool used = i < battles.size();
        headings_[i]->setVisible(used);
        bodies_[i]->setVisible(used);
        if (!used)
            continue;
        const QStringList lines = Texts::battleReport(battles[i], namedSides_);
        headings_[i]->setCaption(lines.front());
        bodies_[i]->setText(lines.mid(1).join('\n'));
    }

    // Lays the lines out at a width and font size; returns the panel height.
    const int used = static_cast<int>(std::min(battles.size(), bodies_.size()));
    auto layOut = [&](int panelWidth, int pixels) {
        const int width = panelWidth - 2 * kMargin;
        int y = 8 + title_->height() + 6;
        for (int i = 0; i < used; ++i) {
            TextLabel *heading = headings_[static_cast<std::size_t>(i)];
            QLabel *body = bodies_[static_cast<std::size_t>(i)];
            heading->place(kMargin, y);
            y += heading->height();
            body->setFont(windowFont(pixels));
            const int height = body->heightForWidth(width);
            body->setGeometry(kMargin, y, width, height);
            y += height + 10;
        }
        // "Schliessen" in the middle, or beside the game report's button.
        if (btngamereport_->isHidden()) {
            btnclosereport_->move((panelWidth - kCloseWidth) / 2, y);
        } else {
            const int left = (panelWidth - kGameReportWidth - kButtonGap - kCloseWidth) / 2;
            btngamereport_->move(left, y);
            btnclosereport_->move(left + kGameReportWidth + kButtonGap, y);
        }
        return y + kCloseHeight + 12;
    };
    // Usually it fits over the field at its normal size. Long battles first
    // take the whole width, then the whole height, then a smaller font.
    // Beside a result panel it takes the room below that panel, the whole
    // width, and a smaller font before it would cover the result.
    struct Size {
        int width, pixels, room;
    };
    const Size sizes[] = {{kReportWidth, 12, kFieldHeight}, {kWideWidth, 12, kFieldHeight},
                          {kWideWidth, 12, kWindowHeight}, {kWideWidth, 11, kWindowHeight},
                          {kWideWidth, 10, kWindowHeight}};
    constexpr int kBelowResult = kResultBottom + 4;
    const Size beside[] = {{kWideWidth, 12, kWindowHeight - kBelowResult},
                           {kWideWidth, 11, kWindowHeight - kBelowResult},
                           {kWideWidth, 10, kWindowHeight - kBelowResult},
                           {kWideWidth, 9, kWindowHeight - kBelowResult}};
    int width = 0, height = 0, room = 0;
    for (const Size &size : besideResult_ ? std::vector<Size>(std::begin(beside), std::end(beside))
                                          : std::vector<Size>(std::begin(sizes), std::end(sizes))) {
        width = size.width;
        room = size.room;
        height = layOut(size.width, size.pixels);
        if (height <= room)
            break;
    }
    const int top = besideResult_ ? kBelowResult : std::max(0, (room - height) / 2);
    setGeometry((800 - width) / 2, top, width, std::min(height, kWindowHeight - top));
}

} // namespace gw
