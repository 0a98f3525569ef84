#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "platform/history/HistoryFile.h"
#include "rules/history/History.h"
#include "rules/history/Statistics.h"

class FileStore;
class HandicapSummary;
class MatchListTable;
class HitAnalysisPage;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

// "Statistika...": the personal bests, averages and match totals of one human archer from the
// history file, and the export of his arrows. It opens on the last finished match with a human
// archer. Everything is computed by the rules; the window only shows it.
class StatisticsWindow : public QDialog {
    Q_OBJECT
  public:
    StatisticsWindow(std::string historyPath, FileStore& files, QWidget* parent = nullptr);

    // Reads the history again and selects its last match with a human archer.
    void loadHistory();
    // Sets archer and round filter to those of the match and marks it.
    void selectMatch(int64_t matchId, const ArcherKey& archer);

    // What is loaded: every match and result, the arrows of the archer shown.
    const History& history() const { return history_; }
    std::optional<ArcherKey> shownArcher() const;
    std::optional<int64_t> selectedMatch() const { return selectedMatch_; }
    HistoryState historyState() const { return state_; }
    // For pages that read more of an arrow than the statistics do (its aiming).
    const std::string& historyPath() const { return historyPath_; }

    QComboBox* Lukostrelec = nullptr;  // archer chooser
    QComboBox* Soutez = nullptr;       // round filter
    QLabel* Hlaseni = nullptr;         // what is wrong with the file, or that it is empty
    QLabel* VybranyZapas = nullptr;
    QTabWidget* Zalozky = nullptr;
    HandicapSummary* Handicap = nullptr;  // above the personal bests
    QLabel* Souboje = nullptr;            // bouts won and lost, the best finish in a bracket
    QTableWidget* Rekordy = nullptr;
    QTableWidget* Prumery = nullptr;
    QChartView* Graf = nullptr;
    MatchListTable* Zapasy = nullptr;
    HitAnalysisPage* RozborZasahu = nullptr;
    QPushButton* ExportCsv = nullptr;
    QPushButton* Zavrit = nullptr;

  Q_SIGNALS:
    // The archer or the round filter changed: history() holds the new arrows.
    void selectionChanged();

  public Q_SLOTS:
    void LukostrelecChange();
    void SoutezChange();
    void ExportCsvClick();

  protected:
    // The file the player names for the export, or an empty name when he cancels.
    virtual QString askCsvFileName();
    virtual void showError(const QString& text);

  private:
    void retranslate();
    void showArcher();
    void fillBests(const ArcherStatistics& stats);
    void showBouts(const BoutTally& bouts);
    void fillAverages(const ArcherStatistics& stats);
    void fillChart(const ArcherStatistics& stats);
    void showSelectedMatch();
    // The hit analysis reads its history only while it is the page shown.
    void feedAnalysis();
    int32_t roundFilter() const;

    std::string historyPath_;
    FileStore& files_;
    HistoryState state_ = HistoryState::Absent;
    History history_;
    std::optional<int64_t> selectedMatch_;
    bool analysisFed_ = false;
    QLabel* archerLabel_;
    QLabel* roundLabel_;
};
