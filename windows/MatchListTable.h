#pragma once

#include <QTableWidget>
#include <cstdint>

struct ClassProgress;
struct ClassedShoot;
struct HandicapProgress;

// The archer's shoots in the round filter, latest first: date, round, points, handicap, and the
// best class each counted toward, with the class it earned.
class MatchListTable : public QTableWidget {
    Q_OBJECT
  public:
    explicit MatchListTable(QWidget* parent = nullptr);

    void showShoots(const HandicapProgress& handicaps, const ClassProgress& classes,
                    int32_t roundFilter);

  private:
    void retranslate();
    static QString classText(const ClassedShoot& shoot);
};
