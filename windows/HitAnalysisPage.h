#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "rules/history/HistoryRecords.h"

class ArrowListModel;
class HitPlotView;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTableView;
class ShotReplayView;

// "Rozbor zásahů": where an archer's arrows went on the face of one distance, for one end, one
// match or all matches (optionally only the last few), coloured by end or by match; the group's
// centre, spread and ring shares; the arrows as a list; and the replay of the arrow chosen in
// the list or on the plot.
class HitAnalysisPage : public QWidget {
    Q_OBJECT
  public:
    explicit HitAnalysisPage(QWidget* parent = nullptr);
    ~HitAnalysisPage() override;

    void setHistory(std::vector<MatchRecord> matches, std::vector<ArrowRecord> arrows);
    // Shows the archer's arrows (the name as recorded); an archer not in the history is
    // ignored.
    void showArcher(const Utf8Text& archer);
    // Shows one distance of that match, for the shown archer if they shot in it.
    void selectMatch(int64_t matchId);
    // Where an arrow given without its sight path and draw gets them when it is replayed, so
    // that a long history need not be read with every arrow's aiming.
    void setAimingSource(std::function<void(ArrowRecord&)> readAiming);

    QComboBox* archerBox;
    QComboBox* matchBox;
    QComboBox* distanceBox;
    QComboBox* endBox;
    QCheckBox* allMatchesBox;
    QCheckBox* practiceBox;  // "s tréninkem": practice sessions among all matches
    QComboBox* windBox;      // all arrows, "bez větru", "ve větru"
    QSpinBox* lastMatchesBox;
    QRadioButton* byEndButton;
    QRadioButton* byMatchButton;
    HitPlotView* plot;
    QLabel* numbersLabel;
    QTableView* arrowList;
    ShotReplayView* replayView;

    // Indices into the history's arrows, in shooting order, as now plotted and listed.
    const std::vector<std::size_t>& selection() const { return selection_; }

  public Q_SLOTS:
    void chooseArrow(int32_t arrow);

  private:
    void retranslate();
    static QString distanceCaption(int32_t metres);
    static QString endCaption(int32_t end);  // 0: the whole distance
    void archerChanged();
    void matchChanged();
    void distanceChanged();
    void refresh();
    void showNumbers();
    void plotMarks();
    QString describeArrow(int32_t arrow) const;
    QString matchCaption(int64_t matchId) const;
    QString matchDate(int64_t matchId) const;
    QString matchDay(int64_t matchId) const;
    QString matchStart(int64_t matchId, const QString& format) const;
    Utf8Text shownArcher() const;

    std::vector<MatchRecord> matches_;
    std::vector<ArrowRecord> arrows_;
    std::unordered_map<int64_t, const MatchRecord*> matchById_;
    std::vector<std::size_t> selection_;
    ArrowListModel* listModel_;
    QLabel* archerLabel_;
    QLabel* matchLabel_;
    QLabel* distanceLabel_;
    QLabel* endLabel_;
    QLabel* lastLabel_;
    QLabel* windLabel_;
    QLabel* coloursLabel_;
    std::function<void(ArrowRecord&)> readAiming_;
    bool filling_ = false;  // choices are being refilled: their signals change nothing
};
