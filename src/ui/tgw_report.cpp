// The battle report ("Kampfbericht"): after a battle, a panel over the field
// lists what each stage did. It only informs; closing it changes nothing.
#include "ui/fonts.h"
#include "ui/layoutkit.h"
#include "ui/tgw.h"

#include "rules/report.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace gw {

namespace {

constexpr int kReportWidth = 560;
constexpr int kMargin = 16;
constexpr int kFieldHeight = 449;
constexpr int kCloseWidth = 75, kCloseHeight = 25;

} // namespace

void Tgw::buildReportPanel()
{
    // Placed and sized to its lines each time it is shown.
    panreport_ = makePanel(pangame_, "panreport", {120, 110, kReportWidth, 230}, colour::gray);
    QWidget *p = panreport_;
    makeLabel(p, "labreporttitle", kMargin, 8, "Kampfbericht", windowFont(15, true));
    for (std::size_t i = 0; i < reportHeadings_.size(); ++i) {
        const QString n = QString::number(i + 1);
        reportHeadings_[i] = makeLabel(p, "labreporthead" + n, kMargin, 0, QString(), windowFont(13, true), colour::navy);
        auto *body = new QLabel(p);
        body->setObjectName("labreport" + n);
        body->setFont(windowFont(12));
        body->setTextFormat(Qt::PlainText);
        body->setWordWrap(true);
        body->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        reportBodies_[i] = body;
    }
    btnclosereport_ = makeButton(p, "btnclosereport", {(kReportWidth - kCloseWidth) / 2, 0, kCloseWidth, kCloseHeight},
                                 "Schliessen", windowFont());
    onClick(btnclosereport_, [this] { btnclosereportClick(); });
    stackWindowedOnTop(p);
}

void Tgw::showBattleReport(const std::vector<BattleResult> &battles)
{
    const int width = kReportWidth - 2 * kMargin;
    int y = 8 + findChild<QLabel *>("labreporttitle")->height() + 6;
    for (std::size_t i = 0; i < reportHeadings_.size(); ++i) {
        TextLabel *heading = reportHeadings_[i];
        QLabel *body = reportBodies_[i];
        const bool used = i < battles.size();
        heading->setVisible(used);
        body->setVisible(used);
        if (!used)
            continue;
        // The first line names the battle; the rest are its stages and the
        // base's hit points.
        const std::vector<std::string> lines = battleReportLines(battles[i]);
        heading->setCaption(QString::fromStdString(lines.front()));
        heading->place(kMargin, y);
        y += heading->height();
        QStringList stages;
        for (std::size_t l = 1; l < lines.size(); ++l)
            stages << QString::fromStdString(lines[l]);
        body->setText(stages.join('\n'));
        const int height = body->heightForWidth(width);
        body->setGeometry(kMargin, y, width, height);
        y += height + 10;
    }
    btnclosereport_->move(btnclosereport_->x(), y);
    const int height = std::min(y + kCloseHeight + 12, kFieldHeight);
    // Centred over the field.
    panreport_->setGeometry((800 - kReportWidth) / 2, (kFieldHeight - height) / 2, kReportWidth, height);
    panreport_->show();
}

void Tgw::btnclosereportClick() { panreport_->hide(); }

} // namespace gw
