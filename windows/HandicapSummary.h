#pragma once

#include <QLabel>

struct ClassProgress;
struct HandicapProgress;

// The archer's current handicap on the statistics' first page: whether it is provisional, how
// it moved with the last shoot, and whether the last match improved it; then the class held and
// what the next one needs.
class HandicapSummary : public QLabel {
    Q_OBJECT
  public:
    explicit HandicapSummary(QWidget* parent = nullptr);

    // Without shoots: no handicap, no class, and what the first class needs.
    void showProgress(const HandicapProgress& handicaps, const ClassProgress& classes);

  private:
    static QString handicapText(const HandicapProgress& handicaps);
};
