#include "windows/HitAnalysisPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "platform/QtText.h"
#include "platform/Translations.h"
#include "rules/history/HitGroup.h"
#include "rules/history/HitSelection.h"
#include "windows/ArrowListModel.h"
#include "windows/FollowLanguage.h"
#include "windows/GameTextDisplay.h"
#include "windows/HitPlotView.h"
#include "windows/ShotReplayView.h"

namespace {

// Colours that stay apart from each other and from the rings' gold, red, blue and black.
const std::array<QColor, 12> kEndColours = {
    QColor(0, 229, 255),  QColor(255, 0, 200),   QColor(120, 255, 0),   QColor(255, 140, 0),
    QColor(150, 90, 255), QColor(255, 255, 255), QColor(255, 160, 200), QColor(0, 160, 140),
    QColor(160, 90, 40),  QColor(140, 200, 255), QColor(150, 255, 180), QColor(150, 150, 150)};
// More matches than this share colours, each colour a run of consecutive matches.
constexpr std::size_t kMatchColours = 12;

// From the oldest match to the newest: cyan over violet to pink.
QColor matchColour(std::size_t step, std::size_t steps) {
    const double along = steps > 1 ? static_cast<double>(step) / static_cast<double>(steps - 1) : 1;
    return QColor::fromHsv(180 + static_cast<int>(150 * along), 255, 255);
}

QString number(double value) {
    return SpokenLocale().toString(value, 'f', 1);
}

QComboBox* chooser(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

}  // namespace

HitAnalysisPage::HitAnalysisPage(QWidget* parent)
    : QWidget(parent),
      archerBox(chooser(this)),
      matchBox(chooser(this)),
      distanceBox(chooser(this)),
      endBox(chooser(this)),
      allMatchesBox(new QCheckBox(this)),
      practiceBox(new QCheckBox(this)),
      windBox(chooser(this)),
      lastMatchesBox(new QSpinBox(this)),
      byEndButton(new QRadioButton(this)),
      byMatchButton(new QRadioButton(this)),
      plot(new HitPlotView(this)),
      numbersLabel(new QLabel(this)),
      arrowList(new QTableView(this)),
      replayView(new ShotReplayView(this)),
      listModel_(new ArrowListModel(this)) {
    lastMatchesBox->setRange(0, 100000);
    lastMatchesBox->setEnabled(false);
    byEndButton->setChecked(true);
    numbersLabel->setTextFormat(Qt::RichText);
    numbersLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    arrowList->setModel(listModel_);
    arrowList->setSelectionBehavior(QAbstractItemView::SelectRows);
    arrowList->setSelectionMode(QAbstractItemView::SingleSelection);
    arrowList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    arrowList->verticalHeader()->hide();
    arrowList->verticalHeader()->setDefaultSectionSize(arrowList->fontMetrics().height() + 4);
    plot->describe = [this](int32_t arrow) { return describeArrow(arrow); };

    auto* choices = new QGridLayout;
    const auto addChoice = [&](int row, int column, QWidget* control) {
        auto* label = new QLabel(this);
        label->setBuddy(control);
        choices->addWidget(label, row, column);
        choices->addWidget(control, row, column + 1);
        return label;
    };
    archerLabel_ = addChoice(0, 0, archerBox);
    matchLabel_ = addChoice(0, 2, matchBox);
    distanceLabel_ = addChoice(1, 0, distanceBox);
    endLabel_ = addChoice(1, 2, endBox);
    auto* scope = new QHBoxLayout;
    scope->addWidget(allMatchesBox);
    scope->addWidget(practiceBox);
    lastLabel_ = new QLabel(this);
    lastLabel_->setBuddy(lastMatchesBox);
    scope->addWidget(lastLabel_);
    scope->addWidget(lastMatchesBox);
    scope->addSpacing(16);
    windLabel_ = new QLabel(this);
    windLabel_->setBuddy(windBox);
    scope->addWidget(windLabel_);
    for (const WindShown shown : {WindShown::All, WindShown::Calm, WindShown::Windy})
        windBox->addItem(QString(), static_cast<int>(shown));
    scope->addWidget(windBox);
    scope->addSpacing(16);
    coloursLabel_ = new QLabel(this);
    scope->addWidget(coloursLabel_);
    scope->addWidget(byEndButton);
    scope->addWidget(byMatchButton);
    scope->addStretch();
    choices->addLayout(scope, 2, 0, 1, 4);
    choices->setColumnMinimumWidth(4, 24);
    choices->addWidget(numbersLabel, 0, 5, 3, 1);
    choices->setColumnStretch(5, 1);

    // The plot, the list and the replay side by side, each as wide as the player drags it.
    auto* body = new QSplitter(this);
    body->setChildrenCollapsible(false);
    body->addWidget(plot);
    body->addWidget(arrowList);
    body->addWidget(replayView);
    body->setStretchFactor(0, 3);
    body->setStretchFactor(1, 0);
    body->setStretchFactor(2, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(body, 1);

    connect(archerBox, &QComboBox::currentIndexChanged, this, &HitAnalysisPage::archerChanged);
    connect(matchBox, &QComboBox::currentIndexChanged, this, &HitAnalysisPage::matchChanged);
    connect(distanceBox, &QComboBox::currentIndexChanged, this, &HitAnalysisPage::distanceChanged);
    connect(endBox, &QComboBox::currentIndexChanged, this, &HitAnalysisPage::refresh);
    connect(allMatchesBox, &QCheckBox::toggled, this, &HitAnalysisPage::matchChanged);
    practiceBox->setChecked(true);
    connect(practiceBox, &QCheckBox::toggled, this, &HitAnalysisPage::refresh);
    connect(lastMatchesBox, &QSpinBox::valueChanged, this, &HitAnalysisPage::refresh);
    connect(windBox, &QComboBox::currentIndexChanged, this, &HitAnalysisPage::refresh);
    connect(byEndButton, &QRadioButton::toggled, this, &HitAnalysisPage::plotMarks);
    connect(plot, &HitPlotView::arrowChosen, this, &HitAnalysisPage::chooseArrow);
    connect(arrowList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!filling_ && current.isValid()) {
                    chooseArrow(static_cast<int32_t>(listModel_->arrowAt(current.row())));
                }
            });
    FollowLanguage(this, [this] { retranslate(); });
}

HitAnalysisPage::~HitAnalysisPage() = default;

void HitAnalysisPage::retranslate() {
    archerLabel_->setText(tr("&Lukostřelec:"));
    matchLabel_->setText(tr("&Zápas:"));
    distanceLabel_->setText(tr("&Vzdálenost:"));
    endLabel_->setText(tr("&Sada:"));
    allMatchesBox->setText(tr("Všechny zápasy"));
    practiceBox->setText(tr("s tréninkem"));
    lastLabel_->setText(tr("posledních:"));
    lastMatchesBox->setSpecialValueText(tr("všech"));
    windLabel_->setText(tr("Vít&r:"));
    windBox->setItemText(0, tr("za každého počasí"));
    windBox->setItemText(1, tr("bez větru"));
    windBox->setItemText(2, tr("ve větru"));
    coloursLabel_->setText(tr("Barvy podle:"));
    byEndButton->setText(tr("sad"));
    byMatchButton->setText(tr("zápasů"));
    // The choices keep what is chosen; only their captions change.
    for (int i = 0; i < matchBox->count(); ++i) {
        matchBox->setItemText(i, matchCaption(matchBox->itemData(i).toLongLong()));
    }
    for (int i = 0; i < distanceBox->count(); ++i) {
        distanceBox->setItemText(i, distanceCaption(distanceBox->itemData(i).toInt()));
    }
    for (int i = 0; i < endBox->count(); ++i) {
        endBox->setItemText(i, endCaption(endBox->itemData(i).toInt()));
    }
    listModel_->retranslate();
    refresh();
}

QString HitAnalysisPage::distanceCaption(int32_t metres) {
    return tr("%1 m").arg(metres);
}

QString HitAnalysisPage::endCaption(int32_t end) {
    return end == 0 ? tr("celá vzdálenost") : tr("%1. sada").arg(end);
}

void HitAnalysisPage::setHistory(std::vector<MatchRecord> matches,
                                 std::vector<ArrowRecord> arrows) {
    matches_ = std::move(matches);
    arrows_ = std::move(arrows);
    matchById_.clear();
    for (const MatchRecord& match : matches_) matchById_.emplace(match.id, &match);

    filling_ = true;
    archerBox->clear();
    for (const Utf8Text& name : ArchersIn(arrows_)) {
        archerBox->addItem(fromUtf8(name), QByteArray::fromStdString(name.bytes()));
    }
    filling_ = false;
    archerChanged();
}

void HitAnalysisPage::showArcher(const Utf8Text& archer) {
    const int found = archerBox->findData(QByteArray::fromStdString(archer.bytes()));
    if (found >= 0) archerBox->setCurrentIndex(found);
}

void HitAnalysisPage::selectMatch(int64_t matchId) {
    const auto shotThere = [&](const Utf8Text& archer) {
        return std::any_of(arrows_.begin(), arrows_.end(), [&](const ArrowRecord& a) {
            return a.matchId == matchId && a.archer == archer;
        });
    };
    if (!shotThere(shownArcher())) {
        for (int i = 0; i < archerBox->count(); ++i) {
            if (shotThere(Utf8Text{archerBox->itemData(i).toByteArray().toStdString()})) {
                archerBox->setCurrentIndex(i);
                break;
            }
        }
    }
    const int found = matchBox->findData(QVariant::fromValue<qlonglong>(matchId));
    if (found < 0) return;
    filling_ = true;
    allMatchesBox->setChecked(false);
    matchBox->setCurrentIndex(found);
    distanceBox->setCurrentIndex(-1);
    filling_ = false;
    matchChanged();
}

Utf8Text HitAnalysisPage::shownArcher() const {
    return Utf8Text{archerBox->currentData().toByteArray().toStdString()};
}

void HitAnalysisPage::archerChanged() {
    if (filling_) return;
    filling_ = true;
    matchBox->clear();
    for (int64_t id : MatchesOf(matches_, arrows_, shownArcher())) {
        matchBox->addItem(matchCaption(id), QVariant::fromValue<qlonglong>(id));
    }
    matchBox->setCurrentIndex(matchBox->count() - 1);  // the latest
    filling_ = false;
    matchChanged();
}

void HitAnalysisPage::matchChanged() {
    if (filling_) return;
    const bool all = allMatchesBox->isChecked();
    matchBox->setEnabled(!all);
    endBox->setEnabled(!all);
    lastMatchesBox->setEnabled(all);
    std::optional<int64_t> match;
    if (!all && matchBox->currentIndex() >= 0) match = matchBox->currentData().toLongLong();
    const QVariant previous = distanceBox->currentData();
    filling_ = true;
    distanceBox->clear();
    if (all || match) {
        for (int32_t metres : DistancesOf(arrows_, shownArcher(), match)) {
            distanceBox->addItem(distanceCaption(metres), metres);
        }
    }
    distanceBox->setCurrentIndex(std::max(0, distanceBox->findData(previous)));
    filling_ = false;
    distanceChanged();
}

void HitAnalysisPage::distanceChanged() {
    if (filling_) return;
    filling_ = true;
    endBox->clear();
    endBox->addItem(endCaption(0), 0);
    if (!allMatchesBox->isChecked() && matchBox->currentIndex() >= 0 &&
        distanceBox->currentIndex() >= 0) {
        for (int32_t end : EndsOf(arrows_, shownArcher(), matchBox->currentData().toLongLong(),
                                  distanceBox->currentData().toInt())) {
            endBox->addItem(endCaption(end), end);
        }
    }
    filling_ = false;
    refresh();
}

void HitAnalysisPage::refresh() {
    if (filling_) return;
    selection_.clear();
    const Utf8Text archer = shownArcher();
    const int32_t distance =
        distanceBox->currentIndex() >= 0 ? distanceBox->currentData().toInt() : 0;
    if (distanceBox->currentIndex() >= 0) {
        if (allMatchesBox->isChecked()) {
            const int last = lastMatchesBox->value();
            selection_ =
                SelectArcherDistance(matches_, arrows_, archer, distance,
                                     last > 0 ? std::optional<int32_t>(last) : std::nullopt);
            if (!practiceBox->isChecked()) {
                std::erase_if(selection_, [this](std::size_t i) {
                    const auto match = matchById_.find(arrows_[i].matchId);
                    return match != matchById_.end() && match->second->practice;
                });
            }
        } else if (matchBox->currentIndex() >= 0) {
            const int64_t match = matchBox->currentData().toLongLong();
            const int32_t end = endBox->currentData().toInt();
            selection_ = end > 0 ? SelectEnd(matches_, arrows_, archer, match, distance, end)
                                 : SelectMatchDistance(matches_, arrows_, archer, match, distance);
        }
    }
    KeepWindShown(selection_, arrows_, static_cast<WindShown>(windBox->currentData().toInt()));
    filling_ = true;
    listModel_->show(&arrows_, &selection_, [this](int64_t id) { return matchDate(id); });
    filling_ = false;
    arrowList->resizeColumnsToContents();
    arrowList->setMinimumWidth(arrowList->horizontalHeader()->length() +
                               arrowList->verticalScrollBar()->sizeHint().width() +
                               2 * arrowList->frameWidth());
    replayView->clear(distance);
    plot->setChosen(std::nullopt);
    plot->setDistance(distance);
    plotMarks();
    showNumbers();
}

void HitAnalysisPage::plotMarks() {
    std::vector<PlotLegendEntry> legend;
    std::vector<PlotMark> marks;
    marks.reserve(selection_.size());
    if (byEndButton->isChecked()) {
        std::vector<int32_t> ends;
        for (std::size_t i : selection_) ends.push_back(arrows_[i].endNo);
        std::sort(ends.begin(), ends.end());
        ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
        for (std::size_t e = 0; e < ends.size(); ++e) {
            legend.push_back({endCaption(ends[e]), kEndColours[e % kEndColours.size()]});
        }
        for (std::size_t i : selection_) {
            if (!arrows_[i].shot) continue;  // lost to the end clock: nowhere to draw it
            const auto entry = std::lower_bound(ends.begin(), ends.end(), arrows_[i].endNo);
            marks.push_back({{arrows_[i].x, arrows_[i].y},
                             static_cast<int32_t>(entry - ends.begin()),
                             static_cast<int32_t>(i)});
        }
    } else {
        // The selection is in match order: consecutive runs of one match.
        std::vector<int64_t> matches;
        for (std::size_t i : selection_) {
            if (matches.empty() || matches.back() != arrows_[i].matchId) {
                matches.push_back(arrows_[i].matchId);
            }
        }
        const std::size_t steps = std::min(matches.size(), kMatchColours);
        const auto stepOf = [&](std::size_t place) { return place * steps / matches.size(); };
        for (std::size_t step = 0; step < steps; ++step) {
            const std::size_t from = (step * matches.size() + steps - 1) / steps;
            const std::size_t to = ((step + 1) * matches.size() + steps - 1) / steps - 1;
            QString caption = matchDate(matches[from]);
            if (to != from) {
                caption = tr("%1 – %2", "from one day to another")
                              .arg(matchDay(matches[from]), matchDay(matches[to]));
            }
            legend.push_back({caption, matchColour(step, steps)});
        }
        std::size_t place = 0;
        for (std::size_t i : selection_) {
            if (arrows_[i].matchId != matches[place]) ++place;
            if (!arrows_[i].shot) continue;
            marks.push_back({{arrows_[i].x, arrows_[i].y},
                             static_cast<int32_t>(stepOf(place)),
                             static_cast<int32_t>(i)});
        }
    }
    plot->setMarks(std::move(marks), std::move(legend));
}

void HitAnalysisPage::showNumbers() {
    if (selection_.empty()) {
        numbersLabel->setText(tr("Pro tento výběr nejsou zaznamenány žádné šípy."));
        plot->setGroup(std::nullopt);
        return;
    }
    std::vector<Point> hits;
    hits.reserve(selection_.size());
    int32_t lost = 0;
    for (std::size_t i : selection_) {
        if (arrows_[i].shot) {
            hits.push_back({arrows_[i].x, arrows_[i].y});
        } else {
            ++lost;
        }
    }
    HitGroup group = AnalyseGroup(hits, distanceBox->currentData().toInt());
    CountLostArrows(group, lost);
    plot->setGroup(group);

    QString text = tr("<b>Šípů:</b> %1").arg(group.arrows);
    if (group.placed < group.arrows) {
        text += tr(" (%1 daleko mimo terč, zakresleno na okraji)").arg(group.arrows - group.placed);
    }
    if (group.placed > 0) {
        text +=
            tr("<br><b>Střed skupiny:</b> %1 kruhu od středu terče, %2")
                .arg(number(group.offsetRings), TranslatedGameText(DirectionWord(group.direction)));
        text += tr("<br><b>Rozptyl:</b> %1 kruhu (%2 px)")
                    .arg(number(group.spreadRings), number(group.spread));
    }
    QString rings = QStringLiteral(u"<tr>");
    QString shares = QStringLiteral(u"<tr>");
    for (int32_t ring = kTargetRings; ring >= 0; --ring) {
        rings += QStringLiteral(u"<td align=right>&nbsp;%1</td>")
                     .arg(ring > 0 ? QString::number(ring) : tr("mimo"));
        shares += QStringLiteral(u"<td align=right>&nbsp;%1&nbsp;%</td>")
                      .arg(qRound(100 * group.ringShare(ring)));
    }
    text += QStringLiteral(
                u"<table cellspacing=0 cellpadding=1><tr><td><b>%1</b></td>%2</tr>"
                u"<tr><td><b>%3</b></td>%4</tr></table>")
                .arg(tr("Kruh"), rings.mid(4), tr("Podíl"), shares.mid(4));
    numbersLabel->setText(text);
}

void HitAnalysisPage::setAimingSource(std::function<void(ArrowRecord&)> readAiming) {
    readAiming_ = std::move(readAiming);
}

void HitAnalysisPage::chooseArrow(int32_t arrow) {
    if (arrow < 0 || static_cast<std::size_t>(arrow) >= arrows_.size()) return;
    const auto row =
        std::find(selection_.begin(), selection_.end(), static_cast<std::size_t>(arrow));
    if (row != selection_.end()) {
        const QModelIndex index = listModel_->index(static_cast<int>(row - selection_.begin()), 0);
        filling_ = true;
        arrowList->setCurrentIndex(index);
        arrowList->scrollTo(index);
        filling_ = false;
    }
    plot->setChosen(arrow);
    ArrowRecord& chosen = arrows_[static_cast<std::size_t>(arrow)];
    if (chosen.pathBlob.empty() && readAiming_) readAiming_(chosen);
    replayView->setArrow(chosen);
}

QString HitAnalysisPage::describeArrow(int32_t arrow) const {
    const ArrowRecord& a = arrows_[static_cast<std::size_t>(arrow)];
    if (!a.shot) {
        return tr("Nevystřelen, čas sady vypršel\n%1. sada, %2. šíp\n%3")
            .arg(a.endNo)
            .arg(a.arrowNo)
            .arg(matchDate(a.matchId));
    }
    QString text = tr("Zásah: %1\n%2. sada, %3. šíp\n%4")
                       .arg(a.score)
                       .arg(a.endNo)
                       .arg(a.arrowNo)
                       .arg(matchDate(a.matchId));
    if (IsFarOutsidePicture({a.x, a.y})) {
        text += tr("\nzáznam leží daleko mimo terč, zakreslen na okraji");
    }
    return text;
}

QString HitAnalysisPage::matchDate(int64_t matchId) const {
    return matchStart(matchId, tr("d. M. yyyy H:mm"));
}

QString HitAnalysisPage::matchDay(int64_t matchId) const {
    return matchStart(matchId, tr("d. M. yyyy"));
}

QString HitAnalysisPage::matchStart(int64_t matchId, const QString& format) const {
    const auto found = matchById_.find(matchId);
    if (found == matchById_.end()) return tr("zápas %1").arg(matchId);
    const QString started = QString::fromStdString(found->second->started);
    // Shown in the offset it was recorded with: the player's clock at the time.
    const QDateTime when = QDateTime::fromString(started, Qt::ISODate);
    return when.isValid() ? when.toString(format) : started;
}

QString HitAnalysisPage::matchCaption(int64_t matchId) const {
    const auto found = matchById_.find(matchId);
    QString caption = matchDate(matchId);
    if (found == matchById_.end()) return caption;
    caption +=
        QStringLiteral(u", ") +
        (found->second->practice ? tr("trénink") : TranslatedRoundTitle(found->second->roundType));
    if (!found->second->finished) caption += tr(" (nedokončený)");
    return caption;
}
