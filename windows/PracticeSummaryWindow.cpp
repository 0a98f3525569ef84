#include "windows/PracticeSummaryWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/QtText.h"

namespace {

constexpr int kAgain = 2;

QString number(double value) {
    return QLocale().toString(value, 'f', 1);
}

}  // namespace

PracticeSummaryWindow::PracticeSummaryWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Výsledek tréninku"));
    Vysledek = new QLabel(this);
    Vysledek->setTextFormat(Qt::RichText);
    ZnovuButton = new QPushButton(QStringLiteral("Znovu"), this);
    ZavritButton = new QPushButton(QStringLiteral("Zavřít"), this);
    ZavritButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ZnovuButton);
    buttons->addWidget(ZavritButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Vysledek);
    layout->addLayout(buttons);
    connect(ZnovuButton, &QPushButton::clicked, this, [this] { done(kAgain); });
    connect(ZavritButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool PracticeSummaryWindow::showSummary(const PracticeSummary& summary) {
    Vysledek->setText(text(summary));
    ZavritButton->setFocus();
    return exec() == kAgain;
}

QString PracticeSummaryWindow::text(const PracticeSummary& s) {
    QString ends;
    for (std::size_t i = 0; i < s.endTotals.size(); ++i) {
        ends += QStringLiteral("<tr><td>%1. sada</td><td align=right>%2</td></tr>")
                    .arg(i + 1)
                    .arg(s.endTotals[i]);
    }
    QString text = QStringLiteral(
                       "<b>Trénink %1 m</b><table cellspacing=0 cellpadding=2>%2"
                       "<tr><td><b>Celkem</b></td><td align=right><b>%3</b></td></tr>"
                       "</table>")
                       .arg(s.distance)
                       .arg(ends)
                       .arg(s.total);
    text += QStringLiteral("<p>Průměr na šíp: %1<br>Desítek: %2, devítek: %3, mimo: %4")
                .arg(number(s.averagePerArrow))
                .arg(s.tens)
                .arg(s.nines)
                .arg(s.misses);
    if (s.group.placed > 0) {
        text += QStringLiteral(
                    "<br>Střed skupiny: %1 kruhu od středu terče, %2"
                    "<br>Rozptyl: %3 kruhu")
                    .arg(number(s.group.offsetRings), fromCp1250(DirectionWord(s.group.direction)),
                         number(s.group.spreadRings));
    }
    return text + QStringLiteral("</p>");
}
