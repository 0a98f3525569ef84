#pragma once

#include <QTableWidget>
#include <cstdint>

struct HandicapProgress;

// The archer's shoots in the round filter, latest first: date, round, points and handicap.
class MatchListTable : public QTableWidget {
    Q_OBJECT
  public:
    explicit MatchListTable(QWidget* parent = nullptr);

    void showShoots(const HandicapProgress& progress, int32_t roundFilter);

  private:
    void retranslate();
};
