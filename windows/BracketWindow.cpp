#include "windows/BracketWindow.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <map>

#include "platform/QtText.h"
#include "rules/formats/GameText.h"
#include "windows/DialogRows.h"
#include "windows/FollowLanguage.h"

namespace {

// The player's path in the bracket's colours: his bouts framed and his name bold.
const QString kPlayerBout =
    QStringLiteral("QLabel { border: 2px solid #d08000; background: #fff4d8; }");
const QString kOtherBout = QStringLiteral("QLabel { border: 1px solid #a0a0a0; }");

QString ArcherLine(const BracketView& view, std::optional<int32_t> seed, const QString& points) {
    if (!seed) return QStringLiteral("<i>%1</i>").arg(BracketWindow::tr("volný los"));
    const BoutEntrant& archer = view.entrants[static_cast<std::size_t>(*seed - 1)];
    QString line = QStringLiteral("%1. %2").arg(*seed).arg(fromCp1250(archer.name).toHtmlEscaped());
    if (!points.isEmpty()) line += QStringLiteral("&nbsp;&nbsp;<b>%1</b>").arg(points);
    return seed == view.playerSeed ? QStringLiteral("<b>%1</b>").arg(line) : line;
}

QString BoutText(const BracketView& view, const BracketBout& bout) {
    const bool shot = bout.settled && !bout.score.walkedOver() && bout.first && bout.second;
    const SetTotals points = bout.score.setPoints();
    QString first = ArcherLine(view, bout.first, shot ? QString::number(points.first) : QString());
    QString second =
        ArcherLine(view, bout.second, shot ? QString::number(points.second) : QString());
    if (shot && !bout.score.shootOff().empty()) {
        const BoutSide winner = *bout.score.winner();
        (winner == BoutSide::First ? first : second) += QStringLiteral("*");
    }
    return first + QStringLiteral("<br>") + second;
}

}  // namespace

BracketWindow::BracketWindow(QWidget* parent) : QDialog(parent) {
    rounds_ = new QWidget;
    grid_ = new QGridLayout(rounds_);
    Pavouk = new QScrollArea(this);
    Pavouk->setWidget(rounds_);
    Pavouk->setWidgetResizable(true);
    Poradi = new QLabel(this);
    Poradi->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Poradi->setTextFormat(Qt::RichText);
    OKButton = new QPushButton(this);
    OKButton->setDefault(true);

    auto* content = new QHBoxLayout;
    content->addWidget(Pavouk, 1);
    content->addWidget(Poradi);
    auto* buttons = ButtonsAtRight({OKButton});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    FollowLanguage(this, [this] { retranslate(); });
}

void BracketWindow::retranslate() {
    setWindowTitle(tr("Pavouk"));
    OKButton->setText(tr("OK"));
}

void BracketWindow::showBracket(const BracketView& view) {
    fill(view);
    retranslate();
    exec();
}

void BracketWindow::fill(const BracketView& view) {
    while (QLayoutItem* item = grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const auto& stages = view.bracket.stages();
    // Each round's bouts stand beside the two they come from: the first round a bout a row
    // pair, every later one spanning twice as many rows.
    const int rows = static_cast<int>(stages.front().bouts.size());
    for (std::size_t column = 0; column < stages.size(); ++column) {
        const BracketStage& stage = stages[column];
        auto* heading = new QLabel(
            QStringLiteral("<b>%1</b>")
                .arg(QCoreApplication::translate(kGameTextContext, BracketRoundName(stage.round))));
        heading->setAlignment(Qt::AlignCenter);
        grid_->addWidget(heading, 0, static_cast<int>(column));
        const int span = std::max(1, rows / static_cast<int>(stage.bouts.size()));
        for (std::size_t i = 0; i < stage.bouts.size(); ++i) {
            const BracketBout& bout = stage.bouts[i];
            auto* box = new QLabel(BoutText(view, bout));
            box->setTextFormat(Qt::RichText);
            const bool player = view.playerSeed &&
                                (bout.first == view.playerSeed || bout.second == view.playerSeed);
            box->setStyleSheet(player ? kPlayerBout : kOtherBout);
            box->setMargin(3);
            // The bronze medal match and the final stand where the semi-finals meet.
            const int row = stage.round == BracketRound::BronzeMatch ? 1 + rows / 2 + rows / 4
                            : stage.round == BracketRound::Final     ? 1 + rows / 4
                                                                 : 1 + static_cast<int>(i) * span;
            const int rowSpan = stage.bouts.size() == 1 ? std::max(1, rows / 4) : span;
            grid_->addWidget(box, row, static_cast<int>(column), rowSpan, 1, Qt::AlignVCenter);
        }
    }

    // The whole bracket in sight where the screen allows; scrolled only where it does not.
    const QSize frame(2 * Pavouk->frameWidth() + 4, 2 * Pavouk->frameWidth() + 4);
    const QSize room = screen()->availableGeometry().size() * 3 / 4;
    Pavouk->setMinimumSize(rounds_->sizeHint().boundedTo(room - frame) + frame);

    if (!view.bracket.finished()) {
        Poradi->hide();
        return;
    }
    const std::vector<int32_t> places = view.bracket.finalPlaces();
    std::multimap<int32_t, std::size_t> byPlace;
    for (std::size_t seed = 0; seed < places.size(); ++seed) {
        if (places[seed] > 0) byPlace.emplace(places[seed], seed);
    }
    QString text = QStringLiteral("<b>%1</b><br>").arg(tr("Konečné pořadí"));
    for (const auto& [place, seed] : byPlace) {
        QString line = QStringLiteral("%1. %2").arg(place).arg(
            fromCp1250(view.entrants[seed].name).toHtmlEscaped());
        if (view.playerSeed && static_cast<int32_t>(seed) + 1 == *view.playerSeed)
            line = QStringLiteral("<b>%1</b>").arg(line);
        text += line + QStringLiteral("<br>");
    }
    Poradi->setText(text);
    Poradi->show();
}
