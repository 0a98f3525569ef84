#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <vector>

#include "rules/history/HistoryRecords.h"

// The arrows of a selection as rows of a list: date, end, arrow and score. It reads the records
// where they lie, so that a selection of thousands of arrows costs no copy.
class ArrowListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // `arrows` and `rows` (indices into `arrows`) must outlive the rows shown.
    void show(const std::vector<ArrowRecord>* arrows, const std::vector<std::size_t>* rows,
              std::function<QString(int64_t matchId)> dateOf);
    std::size_t arrowAt(int row) const { return (*rows_)[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Tells the views that the column heads now speak another language.
    void retranslate();

  private:
    const std::vector<ArrowRecord>* arrows_ = nullptr;
    const std::vector<std::size_t>* rows_ = nullptr;
    std::function<QString(int64_t)> dateOf_;
};
