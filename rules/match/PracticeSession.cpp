#include "rules/match/PracticeSession.h"

#include <numeric>

void PracticeSession::addArrow(PracticeArrow arrow) {
    arrows_.push_back(arrow);
}

void PracticeSession::closeEnd(const Wind& prevailing) {
    int32_t sum = 0;
    for (std::size_t i = closedArrows_; i < arrows_.size(); ++i) sum += arrows_[i].score;
    closedArrows_ = arrows_.size();
    endTotals_.push_back(sum);
    endWinds_.push_back(prevailing);
}

int32_t PracticeSession::total() const {
    return std::accumulate(endTotals_.begin(), endTotals_.end(), 0);
}
