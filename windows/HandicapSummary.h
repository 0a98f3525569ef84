#pragma once

#include <QLabel>

struct HandicapProgress;

// The archer's current handicap on the statistics' first page: whether it is provisional, how
// it moved with the last shoot, and whether the last match improved it.
class HandicapSummary : public QLabel {
    Q_OBJECT
  public:
    explicit HandicapSummary(QWidget* parent = nullptr);

    void showProgress(const HandicapProgress& progress);
    void showNone();
};
