#include "windows/MatchListTable.h"

#include <QHeaderView>

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

MatchListTable::MatchListTable(QWidget* parent) : QTableWidget(0, 4, parent) {
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    FollowLanguage(this, [this] { retranslate(); });
}

void MatchListTable::retranslate() {
    setHorizontalHeaderLabels({tr("Datum"), tr("Soutěž"), tr("Body"), tr("Handicap")});
}

void MatchListTable::showShoots(const HandicapProgress& progress, int32_t roundFilter) {
    setRowCount(0);
    for (auto it = progress.shoots.rbegin(); it != progress.shoots.rend(); ++it) {
        const Shoot& shoot = it->shoot;
        if (roundFilter != kAllRounds && shoot.roundType != roundFilter) continue;
        int64_t total = 0;
        for (const ShootDistance& d : shoot.distances) total += d.score;
        const int row = rowCount();
        insertRow(row);
        const QString cells[] = {HistoryDateText(shoot.date), roundText(shoot),
                                 QString::number(total),
                                 it->handicap ? QString::number(*it->handicap) : tr("–")};
        for (int column = 0; column < 4; ++column) {
            setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
}
