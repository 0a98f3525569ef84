#include "windows/StatisticsWindow.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <utility>
#include <vector>

#include "platform/QtText.h"
#include "platform/Translations.h"
#include "platform/history/HistoryReader.h"
#include "rules/classification/Classification.h"
#include "rules/formats/FileStore.h"
#include "rules/history/ArrowsCsv.h"
#include "rules/history/Handicaps.h"
#include "rules/history/RoundNames.h"
#include "rules/match/Rounds.h"
#include "rules/settings/PlayerSettings.h"
#include "windows/FollowLanguage.h"
#include "windows/GameTextDisplay.h"
#include "windows/HandicapSeries.h"
#include "windows/HandicapSummary.h"
#include "windows/HistoryText.h"
#include "windows/HitAnalysisPage.h"
#include "windows/MatchListTable.h"

namespace {

QString problemText(HistoryState state) {
    const QString untouched =
        StatisticsWindow::tr(" Hra do něj nic nezapisuje a nechává ho, jak je.");
    switch (state) {
        case HistoryState::NotADatabase:
            return StatisticsWindow::tr("Soubor historie.db není databází historie této hry.") +
                   untouched;
        case HistoryState::Damaged:
            return StatisticsWindow::tr("Soubor historie.db je poškozený.") + untouched;
        case HistoryState::Newer:
            return StatisticsWindow::tr("Soubor historie.db pochází z novější verze hry.") +
                   untouched;
        case HistoryState::Unusable:
            return StatisticsWindow::tr("Soubor historie.db nelze přečíst.");
        case HistoryState::Absent:
            return StatisticsWindow::tr("Zatím nebyl zaznamenán žádný zápas.");
        case HistoryState::Ready:
            break;
    }
    return {};
}

// The round filter's entries: every round, a round, all practice, practice at a distance.
QString filterCaption(int32_t filter) {
    if (filter == kAllRounds) return StatisticsWindow::tr("Všechny soutěže");
    if (filter == kAllPractice) return StatisticsWindow::tr("Trénink");
    for (int32_t metres : kPracticeDistances) {
        if (filter == PracticeFilter(metres)) {
            return TranslatedGameText(QString::fromStdString(PracticeRoundName(metres)));
        }
    }
    return TranslatedRoundTitle(filter);
}

QString archerText(const ArcherKey& archer) {
    return archer.club.empty() ? fromUtf8(archer.name)
                               : fromUtf8(archer.name) + QStringLiteral(" (") +
                                     fromUtf8(archer.club) + QStringLiteral(")");
}

void addRow(QTableWidget* table, const QStringList& cells) {
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < cells.size(); ++column) {
        table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

QTableWidget* newTable(int columns) {
    auto* table = new QTableWidget(0, columns);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// The round filter in the order a player thinks of the rounds: full before short, men first.
const std::vector<int32_t>& filterRounds() {
    static const std::vector<int32_t> types = [] {
        std::vector<int32_t> ordered = {kAllRounds};
        for (bool full : {true, false}) {
            for (Division division : {Division::Men, Division::Women}) {
                for (const Round& round : kRounds) {
                    if (IsFullRound(round) == full && round.division == division)
                        ordered.push_back(round.type);
                }
            }
        }
        return ordered;
    }();
    return types;
}

}  // namespace

StatisticsWindow::StatisticsWindow(std::string historyPath, FileStore& files, QWidget* parent)
    : QDialog(parent), historyPath_(std::move(historyPath)), files_(files) {
    resize(720, 540);

    Lukostrelec = new QComboBox;
    Lukostrelec->setMinimumContentsLength(28);
    Soutez = new QComboBox;
    for (int32_t round : filterRounds()) Soutez->addItem({}, round);
    Soutez->addItem({}, kAllPractice);
    for (int32_t metres : kPracticeDistances) Soutez->addItem({}, PracticeFilter(metres));
    archerLabel_ = new QLabel;
    roundLabel_ = new QLabel;
    auto* choosers = new QHBoxLayout;
    choosers->addWidget(archerLabel_);
    choosers->addWidget(Lukostrelec, 1);
    choosers->addSpacing(12);
    choosers->addWidget(roundLabel_);
    choosers->addWidget(Soutez);

    Hlaseni = new QLabel;
    Hlaseni->setWordWrap(true);
    VybranyZapas = new QLabel;

    Rekordy = newTable(4);
    Prumery = newTable(2);
    Graf = new QChartView;
    Graf->setRenderHint(QPainter::Antialiasing);
    Graf->setChart(new QChart);
    Handicap = new HandicapSummary;
    auto* firstPage = new QWidget;
    auto* firstLayout = new QVBoxLayout(firstPage);
    firstLayout->addWidget(Handicap);
    Souboje = new QLabel;
    firstLayout->addWidget(Souboje);
    firstLayout->addWidget(Rekordy, 1);
    Zapasy = new MatchListTable;
    Zalozky = new QTabWidget;
    Zalozky->addTab(firstPage, {});
    Zalozky->addTab(Prumery, {});
    Zalozky->addTab(Graf, {});
    Zalozky->addTab(Zapasy, {});
    RozborZasahu = new HitAnalysisPage;
    RozborZasahu->setAimingSource([this](ArrowRecord& arrow) {
        HistoryReader reader(historyPath_);
        reader.readAiming(arrow);
    });
    Zalozky->addTab(RozborZasahu, {});

    ExportCsv = new QPushButton;
    Zavrit = new QPushButton;
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ExportCsv);
    buttons->addStretch(1);
    buttons->addWidget(Zavrit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choosers);
    layout->addWidget(Hlaseni);
    layout->addWidget(VybranyZapas);
    layout->addWidget(Zalozky, 1);
    layout->addLayout(buttons);

    connect(Lukostrelec, &QComboBox::activated, this, &StatisticsWindow::LukostrelecChange);
    connect(Soutez, &QComboBox::activated, this, &StatisticsWindow::SoutezChange);
    connect(ExportCsv, &QPushButton::clicked, this, &StatisticsWindow::ExportCsvClick);
    connect(Zavrit, &QPushButton::clicked, this, &QDialog::accept);
    connect(Zalozky, &QTabWidget::currentChanged, this, &StatisticsWindow::feedAnalysis);
    FollowLanguage(this, [this] {
        retranslate();
        // The pages are filled with words too: filled again from what was read.
        const std::optional<int64_t> selected = selectedMatch_;
        showArcher();
        selectedMatch_ = selected;
        showSelectedMatch();
    });
}

void StatisticsWindow::retranslate() {
    setWindowTitle(tr("Statistika..."));
    for (int i = 0; i < Soutez->count(); ++i) {
        Soutez->setItemText(i, filterCaption(Soutez->itemData(i).toInt()));
    }
    archerLabel_->setText(tr("Lukostřelec:"));
    roundLabel_->setText(tr("Soutěž:"));
    Rekordy->setHorizontalHeaderLabels({tr("Rekord"), tr("Body"), tr("Datum"), QString()});
    Prumery->setHorizontalHeaderLabels({tr("Údaj"), tr("Hodnota")});
    Zalozky->setTabText(Zalozky->indexOf(Handicap->parentWidget()), tr("Osobní rekordy"));
    Zalozky->setTabText(Zalozky->indexOf(Prumery), tr("Průměry"));
    Zalozky->setTabText(Zalozky->indexOf(Graf), tr("Vývoj výsledků"));
    Zalozky->setTabText(Zalozky->indexOf(Zapasy), tr("Zápasy"));
    Zalozky->setTabText(Zalozky->indexOf(RozborZasahu), tr("Rozbor zásahů"));
    ExportCsv->setText(tr("Export CSV..."));
    Zavrit->setText(tr("Zavřít"));
    if (!Hlaseni->text().isEmpty()) Hlaseni->setText(problemText(state_));
}

void StatisticsWindow::feedAnalysis() {
    if (analysisFed_ || Zalozky->currentWidget() != RozborZasahu) return;
    analysisFed_ = true;
    RozborZasahu->setHistory(history_.matches, history_.arrows);
    if (const std::optional<ArcherKey> archer = shownArcher())
        RozborZasahu->showArcher(archer->name);
    if (selectedMatch_) RozborZasahu->selectMatch(*selectedMatch_);
}

void StatisticsWindow::loadHistory() {
    history_ = {};
    selectedMatch_.reset();
    HistoryReader reader(historyPath_);
    std::vector<KnownArcher> archers;
    // A file that fails part-way shows what was read before, with the reason.
    if (reader.readMatches(history_)) reader.readArchers(archers);
    state_ = reader.state();
    Hlaseni->setText(problemText(state_));
    Hlaseni->setVisible(!Hlaseni->text().isEmpty());

    const QSignalBlocker blocker(Lukostrelec);
    Lukostrelec->clear();
    for (const KnownArcher& known : archers) {
        const ArcherKey& archer = known.key;
        Lukostrelec->addItem(archerText(archer),
                             QStringList{fromUtf8(archer.name), fromUtf8(archer.club)});
    }
    const bool any = !archers.empty();
    Lukostrelec->setEnabled(any);
    Soutez->setEnabled(any);
    ExportCsv->setEnabled(any);
    if (const std::optional<MatchChoice> last = LastHumanMatch(history_)) {
        selectMatch(last->matchId, last->archer);
    } else {
        showArcher();
    }
}

std::optional<ArcherKey> StatisticsWindow::shownArcher() const {
    const QStringList key = Lukostrelec->currentData().toStringList();
    if (key.size() != 2) return std::nullopt;
    return ArcherKey{toUtf8(key[0]), toUtf8(key[1])};
}

int32_t StatisticsWindow::roundFilter() const {
    return Soutez->currentData().toInt();
}

void StatisticsWindow::selectMatch(int64_t matchId, const ArcherKey& archer) {
    const int archerIndex =
        Lukostrelec->findData(QStringList{fromUtf8(archer.name), fromUtf8(archer.club)});
    if (archerIndex >= 0) Lukostrelec->setCurrentIndex(archerIndex);
    for (const MatchRecord& m : history_.matches) {
        if (m.id == matchId) {
            Soutez->setCurrentIndex(Soutez->findData(m.practice ? kAllPractice : m.roundType));
        }
    }
    showArcher();
    selectedMatch_ = matchId;
    showSelectedMatch();
}

void StatisticsWindow::LukostrelecChange() {
    selectedMatch_.reset();
    showArcher();
}

void StatisticsWindow::SoutezChange() {
    selectedMatch_.reset();
    showArcher();
}

void StatisticsWindow::showArcher() {
    history_.arrows.clear();
    ArcherStatistics stats;
    HandicapProgress handicaps;
    BoutTally bouts;
    if (const std::optional<ArcherKey> archer = shownArcher()) {
        HistoryReader reader(historyPath_);
        if (!reader.readArrows(*archer, false, history_.arrows)) {
            state_ = reader.state();
            Hlaseni->setText(problemText(state_));
            Hlaseni->show();
        }
        stats = ComputeStatistics(history_, *archer, roundFilter());
        handicaps = HandicapProgressOf(history_, *archer);
        bouts = BoutTallyOf(history_, *archer);
    }
    showBouts(bouts);
    const ClassProgress classes = ClassProgressOf(handicaps);
    Handicap->showProgress(handicaps, classes);
    fillBests(stats);
    fillAverages(stats);
    fillChart(stats);
    AddHandicapSeries(*Graf->chart(), handicaps, roundFilter());
    Zapasy->showShoots(handicaps, classes, roundFilter());
    analysisFed_ = false;
    feedAnalysis();
    showSelectedMatch();
    emit selectionChanged();
}

void StatisticsWindow::showBouts(const BoutTally& bouts) {
    Souboje->setVisible(bouts.won + bouts.lost > 0);
    Souboje->setText(bouts.bestPlace
                         ? tr("Souboje: vyhráno %1, prohráno %2, nejlepší umístění: "
                              "%3.")
                               .arg(bouts.won)
                               .arg(bouts.lost)
                               .arg(*bouts.bestPlace)
                         : tr("Souboje: vyhráno %1, prohráno %2.").arg(bouts.won).arg(bouts.lost));
}

void StatisticsWindow::fillBests(const ArcherStatistics& stats) {
    Rekordy->setRowCount(0);
    const QString mark = tr("★ z posledního zápasu");
    auto add = [&](const QString& what, const DatedScore& best) {
        addRow(Rekordy, {what, QString::number(best.score), HistoryDateText(best.date),
                         best.inLastMatch ? mark : QString()});
    };
    for (int32_t round : filterRounds()) {
        auto it = stats.bests.matchTotal.find(round);
        if (it != stats.bests.matchTotal.end()) {
            add(tr("%1, celkem").arg(TranslatedRoundTitle(round)), it->second);
        }
    }
    for (auto it = stats.bests.practiceTotal.rbegin(); it != stats.bests.practiceTotal.rend();
         ++it) {
        add(tr("Trénink %1 m, %2 sad").arg(it->first.metres).arg(it->first.ends), it->second);
    }
    for (auto it = stats.bests.distance.rbegin(); it != stats.bests.distance.rend(); ++it) {
        add(tr("%1 m").arg(it->first), it->second);
    }
    for (auto it = stats.bests.end.rbegin(); it != stats.bests.end.rend(); ++it) {
        add(tr("Sada na %1 m (%2. sada)").arg(it->first).arg(it->second.endNo), it->second.score);
    }
}

void StatisticsWindow::fillAverages(const ArcherStatistics& stats) {
    Prumery->setRowCount(0);
    const QLocale locale = SpokenLocale();
    const Averages& a = stats.averages;
    for (auto it = a.arrowScore.rbegin(); it != a.arrowScore.rend(); ++it) {
        addRow(Prumery,
               {tr("Průměr šípu na %1 m").arg(it->first), locale.toString(it->second, 'f', 2)});
    }
    auto share = [&](double value) { return locale.toString(100 * value, 'f', 1) + " %"; };
    addRow(Prumery, {tr("Desítky"), share(a.tensShare)});
    addRow(Prumery, {tr("Devítky"), share(a.ninesShare)});
    addRow(Prumery, {tr("Mimo terč"), share(a.missesShare)});
    addRow(Prumery, {tr("Odstřílené zápasy"), QString::number(a.matches)});
    addRow(Prumery, {tr("Vystřelené šípy"), QString::number(a.arrows)});
}

void StatisticsWindow::fillChart(const ArcherStatistics& stats) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* time = new QDateTimeAxis;
    time->setFormat(tr("d. M. yyyy"));
    time->setTitleText(tr("Datum"));
    auto* points = new QValueAxis;
    points->setLabelFormat(QStringLiteral("%d"));
    points->setTitleText(tr("Body za zápas"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(points, Qt::AlignLeft);
    qint64 first = 0, last = 0;
    int64_t top = 0;
    // One series a round, and practice as a series of its own.
    for (int32_t round : filterRounds()) {
        auto* series = new QLineSeries;
        QList<int64_t> ids;
        for (const MatchTotal& t : stats.totals) {
            if (round == kAllRounds ? !t.practice : t.practice || t.roundType != round) continue;
            const qint64 when =
                QDateTime::fromString(HistoryUtf8(t.date), Qt::ISODate).toMSecsSinceEpoch();
            series->append(static_cast<qreal>(when), t.total);
            ids.append(t.matchId);
            first = first == 0 ? when : std::min(first, when);
            last = std::max(last, when);
            top = std::max(top, t.total);
        }
        if (ids.isEmpty()) {
            delete series;
            continue;
        }
        // No match has round type 0: its place in the list carries the practice sessions.
        series->setName(round == kAllRounds ? tr("Trénink") : TranslatedRoundTitle(round));
        series->setPointsVisible(true);
        chart->addSeries(series);
        series->attachAxis(time);
        series->attachAxis(points);
        connect(series, &QLineSeries::clicked, this, [this, series, ids](const QPointF& at) {
            // The point nearest in time to the click is the match meant.
            const QList<QPointF> shown = series->points();
            qsizetype nearest = 0;
            for (qsizetype i = 1; i < shown.size(); ++i) {
                if (std::abs(shown[i].x() - at.x()) < std::abs(shown[nearest].x() - at.x()))
                    nearest = i;
            }
            selectedMatch_ = ids[nearest];
            showSelectedMatch();
        });
    }
    // With no match yet, the axis shows today rather than the start of the epoch.
    if (first == 0) first = last = QDateTime::currentMSecsSinceEpoch();
    // A day either side, so that a single match is not drawn on the frame.
    constexpr qint64 kDay = 24 * 3600 * 1000;
    time->setRange(QDateTime::fromMSecsSinceEpoch(first - kDay),
                   QDateTime::fromMSecsSinceEpoch(last + kDay));
    // Without a match, the points go up to what the longest round can give.
    points->setRange(0, top > 0 ? top + 50 : kHighestRoundScore);
    points->applyNiceNumbers();
    QChart* old = Graf->chart();
    Graf->setChart(chart);
    delete old;
}

void StatisticsWindow::showSelectedMatch() {
    QString text;
    for (const MatchRecord& m : history_.matches) {
        if (!selectedMatch_ || m.id != *selectedMatch_) continue;
        text = tr("Vybraný zápas: %1, %2")
                   .arg(HistoryDateText(m.started), TranslatedRoundTitle(m.roundType));
        if (!m.finished) text += tr(" (nedokončený)");
    }
    VybranyZapas->setText(text);
    VybranyZapas->setVisible(!text.isEmpty());
    if (analysisFed_ && selectedMatch_) RozborZasahu->selectMatch(*selectedMatch_);
}

void StatisticsWindow::ExportCsvClick() {
    const QString name = askCsvFileName();
    if (name.isEmpty()) return;
    if (!files_.write(name.toStdString(), ArrowsCsv(history_.matches, history_.arrows).bytes())) {
        showError(tr("Chyba při ukládání souboru !") + QLatin1Char('\n') +
                  QDir::toNativeSeparators(name));
    }
}

QString StatisticsWindow::askCsvFileName() {
    QFileDialog dialog(this, tr("Export CSV"), QDir::currentPath(), tr("Soubory CSV (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

void StatisticsWindow::showError(const QString& text) {
    QMessageBox::critical(this, tr("Chyba !"), text);
}
