#include "windows/HandicapSeries.h"

#include <QChart>
#include <QCoreApplication>
#include <QDateTime>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "rules/handicap/Handicap.h"
#include "rules/history/Handicaps.h"
#include "rules/history/Statistics.h"
#include "windows/HistoryText.h"

QLineSeries* AddHandicapSeries(QChart& chart, const HandicapProgress& progress,
                               int32_t roundFilter) {
    const QList<QAbstractAxis*> times = chart.axes(Qt::Horizontal);
    if (times.isEmpty()) return nullptr;
    auto* series = new QLineSeries;
    int32_t best = kWorstHandicap;
    int32_t worst = kBestHandicap;
    for (const RatedShoot& rated : progress.shoots) {
        if (!rated.handicap) continue;
        if (roundFilter != kAllRounds && rated.shoot.roundType != roundFilter) continue;
        const qint64 when =
            QDateTime::fromString(HistoryUtf8(rated.shoot.date), Qt::ISODate).toMSecsSinceEpoch();
        series->append(static_cast<qreal>(when), *rated.handicap);
        best = std::min(best, *rated.handicap);
        worst = std::max(worst, *rated.handicap);
    }
    if (series->count() == 0) {
        delete series;
        return nullptr;
    }
    series->setName(QCoreApplication::translate("HandicapSeries", "Handicap"));
    series->setPointsVisible(true);
    series->setPointLabelsVisible(true);
    series->setPointLabelsFormat(QStringLiteral("@yPoint"));
    series->setPointLabelsClipping(false);
    QPen pen = series->pen();
    pen.setStyle(Qt::DashLine);
    series->setPen(pen);

    auto* axis = new QValueAxis;
    axis->setTitleText(QCoreApplication::translate("HandicapSeries", "Handicap"));
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setReverse(true);  // lower is better, so better stands higher
    axis->setRange(std::max(kBestHandicap, best - 5), std::min(kWorstHandicap, worst + 5));
    axis->applyNiceNumbers();
    chart.addSeries(series);
    chart.addAxis(axis, Qt::AlignRight);
    series->attachAxis(times.first());
    series->attachAxis(axis);
    return series;
}
