#include "windows/ArrowListModel.h"

namespace {

enum Column { kDate, kEnd, kArrow, kScore, kColumns };

}  // namespace

void ArrowListModel::show(const std::vector<ArrowRecord>* arrows,
                          const std::vector<std::size_t>* rows,
                          std::function<QString(int64_t)> dateOf) {
    beginResetModel();
    arrows_ = arrows;
    rows_ = rows;
    dateOf_ = std::move(dateOf);
    endResetModel();
}

int ArrowListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !rows_ ? 0 : static_cast<int>(rows_->size());
}

int ArrowListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ArrowListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !rows_ || index.row() >= rowCount()) return {};
    const ArrowRecord& arrow = (*arrows_)[arrowAt(index.row())];
    if (role == Qt::TextAlignmentRole) {
        return index.column() == kDate ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case kDate:
            return dateOf_ ? dateOf_(arrow.matchId) : QString();
        case kEnd:
            return arrow.endNo;
        case kArrow:
            return arrow.arrowNo;
        case kScore:
            return arrow.score;
        default:
            return {};
    }
}

QVariant ArrowListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case kDate:
            return tr("Zápas");
        case kEnd:
            return tr("Sada");
        case kArrow:
            return tr("Šíp");
        case kScore:
            return tr("Body");
        default:
            return {};
    }
}

void ArrowListModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}
