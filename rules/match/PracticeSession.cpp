#include "rules/match/PracticeSession.h"

#include <numeric>

void PracticeSession::addArrow(PracticeArrow arrow) {
    arrows_.push_back(arrow);
}

void PracticeSession::closeEnd() {
    int32_t sum = 0;
    for (std::size_t i = closedArrows_; i < arrows_.size(); ++i) sum += arrows_[i].score;
    closedArrows_ = arrows_.size();
    endTotals_.push_back(sum);
}

int32_t PracticeSession::total() const {
    return std::accumulate(endTotals_.begin(), endTotals_.end(), 0);
}

PracticeSummary PracticeSession::summary() const {
    PracticeSummary s;
    s.distance = distance_;
    s.endTotals = endTotals_;
    s.total = total();
    std::vector<Point> hits;
    for (std::size_t i = 0; i < closedArrows_; ++i) {
        const PracticeArrow& a = arrows_[i];
        ++s.arrows;
        s.tens += a.score == 10;
        s.nines += a.score == 9;
        s.misses += a.score == 0;
        if (a.hit) hits.push_back(*a.hit);
    }
    if (s.arrows > 0) s.averagePerArrow = static_cast<double>(s.total) / s.arrows;
    s.group = AnalyseGroup(hits, distance_);
    return s;
}
