#include "windows/HandicapSummary.h"

#include "rules/history/Handicaps.h"
#include "windows/HistoryText.h"

namespace {

QString trendText(const HandicapProgress& p) {
    if (!p.beforeLast) return QStringLiteral(u"první handicap");
    const int32_t change = p.current->value - p.beforeLast->value;
    if (change < 0)
        return QStringLiteral(u"zlepšení o %1 (předtím %2)").arg(-change).arg(p.beforeLast->value);
    if (change > 0)
        return QStringLiteral(u"zhoršení o %1 (předtím %2)").arg(change).arg(p.beforeLast->value);
    return QStringLiteral(u"beze změny");
}

}  // namespace

HandicapSummary::HandicapSummary(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void HandicapSummary::showProgress(const HandicapProgress& p) {
    if (!p.current || !p.last) {
        setText(QStringLiteral(u"Handicap: zatím žádný. Získáte ho prvním dokončeným zápasem."));
        return;
    }
    QString text = QStringLiteral(u"Handicap: %1").arg(p.current->value);
    if (p.current->provisional) {
        text += QStringLiteral(u" (předběžný: platný handicap je průměr tří posledních)");
    }
    text += QStringLiteral(u"\nVývoj: ") + trendText(p);
    const QString last = p.last->shoot.practice ? QStringLiteral(u"Poslední trénink")
                                                : QStringLiteral(u"Poslední zápas");
    text += QStringLiteral(u"\n%1 (%2): handicap %3, ")
                .arg(last, HistoryDateText(p.last->shoot.date))
                .arg(*p.last->handicap);
    if (!p.beforeLast) {
        text += QStringLiteral(u"první s handicapem.");
    } else if (p.lastImproved()) {
        text += QStringLiteral(u"lepší než dosavadní handicap %1 – zlepšil ho.")
                    .arg(p.beforeLast->value);
    } else {
        text += QStringLiteral(u"nezlepšil dosavadní handicap %1.").arg(p.beforeLast->value);
    }
    setText(text);
}

void HandicapSummary::showNone() {
    clear();
}
