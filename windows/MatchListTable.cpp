#include "windows/MatchListTable.h"

#include <QHeaderView>

#include "rules/classification/Classification.h"
#include "rules/history/Handicaps.h"
#include "rules/history/RoundNames.h"
#include "rules/history/Statistics.h"
#include "windows/FollowLanguage.h"
#include "windows/GameTextDisplay.h"
#include "windows/HistoryText.h"

namespace {

QString roundText(const Shoot& shoot) {
    if (shoot.practice && !shoot.distances.empty()) {
        return TranslatedGameText(
            QString::fromStdString(PracticeRoundName(shoot.distances.front().metres)));
    }
    return TranslatedRoundTitle(shoot.roundType);
}

}  // namespace

MatchListTable::MatchListTable(QWidget* parent) : QTableWidget(0, 5, parent) {
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    FollowLanguage(this, [this] { retranslate(); });
}

void MatchListTable::retranslate() {
    setHorizontalHeaderLabels(
        {tr("Datum"), tr("Soutěž"), tr("Body"), tr("Handicap"), tr("Klasifikace")});
}

void MatchListTable::showShoots(const HandicapProgress& handicaps, const ClassProgress& classes,
                                int32_t roundFilter) {
    setRowCount(0);
    for (std::size_t i = handicaps.shoots.size(); i-- > 0;) {
        const RatedShoot& rated = handicaps.shoots[i];
        const Shoot& shoot = rated.shoot;
        if (roundFilter != kAllRounds && shoot.roundType != roundFilter) continue;
        int64_t total = 0;
        for (const ShootDistance& d : shoot.distances) total += d.score;
        const int row = rowCount();
        insertRow(row);
        const QString cells[] = {HistoryDateText(shoot.date), roundText(shoot),
                                 QString::number(total),
                                 rated.handicap ? QString::number(*rated.handicap) : tr("–"),
                                 classText(classes.shoots.at(i))};
        for (int column = 0; column < columnCount(); ++column) {
            setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
}

QString MatchListTable::classText(const ClassedShoot& shoot) {
    if (!shoot.counted) return {};
    const QString counted = QString::fromUtf8(ClassOf(*shoot.counted).code);
    if (!shoot.earned) return tr("do %1").arg(counted);
    return tr("do %1, získána %2").arg(counted, QString::fromUtf8(ClassOf(*shoot.earned).code));
}
