#include "windows/HandicapSummary.h"

#include "rules/history/Handicaps.h"
#include "windows/ClassText.h"
#include "windows/GameTextDisplay.h"
#include "windows/HistoryText.h"

namespace {

QString trendText(const HandicapProgress& p) {
    if (!p.beforeLast) return HandicapSummary::tr("první handicap");
    const int32_t change = p.current->value - p.beforeLast->value;
    if (change < 0)
        return HandicapSummary::tr("zlepšení o %1 (předtím %2)")
            .arg(-change)
            .arg(p.beforeLast->value);
    if (change > 0)
        return HandicapSummary::tr("zhoršení o %1 (předtím %2)")
            .arg(change)
            .arg(p.beforeLast->value);
    return HandicapSummary::tr("beze změny");
}

}  // namespace

HandicapSummary::HandicapSummary(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void HandicapSummary::showProgress(const HandicapProgress& handicaps,
                                   const ClassProgress& classes) {
    setText(handicapText(handicaps) + QStringLiteral("\n\n") + ClassProgressText(classes));
}

QString HandicapSummary::handicapText(const HandicapProgress& p) {
    if (!p.current || !p.last) {
        return HandicapSummary::tr("Handicap: zatím žádný. Získáte ho prvním dokončeným zápasem.");
    }
    QString text = HandicapSummary::tr("Handicap: %1").arg(p.current->value);
    if (p.current->provisional) {
        text += HandicapSummary::tr(" (předběžný: platný handicap je průměr tří posledních)");
    }
    text += HandicapSummary::tr("\nVývoj: ") + trendText(p);
    const QString last = p.last->shoot.practice ? HandicapSummary::tr("Poslední trénink")
                                                : HandicapSummary::tr("Poslední zápas");
    text += HandicapSummary::tr("\n%1 (%2): handicap %3, ")
                .arg(last, HistoryDateText(p.last->shoot.date))
                .arg(*p.last->handicap);
    if (!p.beforeLast) {
        text += HandicapSummary::tr("první s handicapem.");
    } else if (p.lastImproved()) {
        text += HandicapSummary::tr("lepší než dosavadní handicap %1 – zlepšil ho.")
                    .arg(p.beforeLast->value);
    } else {
        text += HandicapSummary::tr("nezlepšil dosavadní handicap %1.").arg(p.beforeLast->value);
    }
    return text;
}
