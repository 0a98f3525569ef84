#include "windows/PracticeSummaryWindow.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "windows/ClassText.h"
#include "windows/DialogRows.h"
#include "windows/FollowLanguage.h"
#include "windows/GameTextDisplay.h"
#include "windows/WindText.h"

namespace {

constexpr int kAgain = 2;

QString number(double value) {
    return QLocale().toString(value, 'f', 1);
}

}  // namespace

PracticeSummaryWindow::PracticeSummaryWindow(QWidget* parent) : QDialog(parent) {
    Vysledek = new QLabel(this);
    Vysledek->setTextFormat(Qt::RichText);
    ZnovuButton = new QPushButton(this);
    ZavritButton = new QPushButton(this);
    ZavritButton->setDefault(true);
    auto* buttons = ButtonsAtRight({ZnovuButton, ZavritButton});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Vysledek);
    layout->addLayout(buttons);
    connect(ZnovuButton, &QPushButton::clicked, this, [this] { done(kAgain); });
    connect(ZavritButton, &QPushButton::clicked, this, &QDialog::reject);
    FollowLanguage(this, [this] { retranslate(); });
}

void PracticeSummaryWindow::retranslate() {
    setWindowTitle(tr("Výsledek tréninku"));
    ZnovuButton->setText(tr("Znovu"));
    ZavritButton->setText(tr("Zavřít"));
    Vysledek->setText(text());
}

bool PracticeSummaryWindow::showSummary(const PracticeSummary& summary,
                                        std::vector<EarnedClass> earned) {
    summary_ = summary;
    earned_ = std::move(earned);
    Vysledek->setText(text());
    ZavritButton->setFocus();
    return exec() == kAgain;
}

QString PracticeSummaryWindow::text() const {
    const PracticeSummary& s = summary_;
    // In wind every end names the wind it was shot in.
    const bool windy = std::ranges::any_of(s.endWinds, [](const Wind& w) { return w.tenths > 0; });
    QString ends;
    for (std::size_t i = 0; i < s.endTotals.size(); ++i) {
        QString wind;
        if (windy && i < s.endWinds.size()) {
            const Wind& w = s.endWinds[i];
            wind = QStringLiteral("<td>&nbsp;&nbsp;%1</td>")
                       .arg(w.tenths > 0 ? WindText(w).toHtmlEscaped() : tr("bezvětří"));
        }
        ends += tr("<tr><td>%1. sada</td><td align=right>%2</td>%3</tr>")
                    .arg(i + 1)
                    .arg(s.endTotals[i])
                    .arg(wind);
    }
    QString text = tr("<b>Trénink %1 m</b><table cellspacing=0 cellpadding=2>%2"
                      "<tr><td><b>Celkem</b></td><td align=right><b>%3</b></td></tr>"
                      "</table>")
                       .arg(s.distance)
                       .arg(ends)
                       .arg(s.total);
    text += tr("<p>Průměr na šíp: %1<br>Desítek: %2, devítek: %3, mimo: %4")
                .arg(number(s.averagePerArrow))
                .arg(s.tens)
                .arg(s.nines)
                .arg(s.misses);
    if (s.group.placed > 0) {
        text += tr("<br>Střed skupiny: %1 kruhu od středu terče, %2"
                   "<br>Rozptyl: %3 kruhu")
                    .arg(number(s.group.offsetRings),
                         TranslatedGameText(DirectionWord(s.group.direction)),
                         number(s.group.spreadRings));
    }
    text += QStringLiteral("</p>");
    for (const EarnedClass& earned : earned_)
        text += QStringLiteral("<p><b>%1</b></p>").arg(EarnedClassText(earned).toHtmlEscaped());
    return text;
}
