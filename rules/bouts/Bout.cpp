#include "rules/bouts/Bout.h"

int64_t SquaredDistanceFromCentre(Point hit) {
    const int64_t dx = int64_t{hit.x} - kTargetCentre.x;
    const int64_t dy = int64_t{hit.y} - kTargetCentre.y;
    return dx * dx + dy * dy;
}

std::optional<BoutSide> ShootOffWinner(const BoutArrow& first, const BoutArrow& second) {
    if (first.score != second.score) {
        return first.score > second.score ? BoutSide::First : BoutSide::Second;
    }
    const int64_t a = SquaredDistanceFromCentre(first.hit);
    const int64_t b = SquaredDistanceFromCentre(second.hit);
    if (a == b) return std::nullopt;
    return a < b ? BoutSide::First : BoutSide::Second;
}

void BoutScore::addSet(SetTotals totals) {
    if (arrowsNext() != kArrowsPerSet) return;
    sets_.push_back(totals);
}

void BoutScore::addShootOff(const ShootOffPair& arrows) {
    if (!inShootOff()) return;
    shootOff_.push_back(arrows);
}

SetTotals SetPointsOf(SetTotals totals) {
    if (totals.first > totals.second) return {2, 0};
    if (totals.second > totals.first) return {0, 2};
    return {1, 1};
}

SetTotals BoutScore::setPoints() const {
    SetTotals points;
    for (const SetTotals& set : sets_) {
        const SetTotals won = SetPointsOf(set);
        points.first += won.first;
        points.second += won.second;
    }
    return points;
}

bool BoutScore::inShootOff() const {
    if (walkOver_) return false;
    const SetTotals points = setPoints();
    if (points.first != kSetPointsToWin - 1 || points.second != kSetPointsToWin - 1) return false;
    return shootOff_.empty() || !ShootOffWinner(shootOff_.back().first, shootOff_.back().second);
}

std::optional<BoutSide> BoutScore::winner() const {
    if (walkOver_) return walkOver_;
    const SetTotals points = setPoints();
    if (points.first >= kSetPointsToWin) return BoutSide::First;
    if (points.second >= kSetPointsToWin) return BoutSide::Second;
    if (shootOff_.empty()) return std::nullopt;
    return ShootOffWinner(shootOff_.back().first, shootOff_.back().second);
}

int32_t BoutScore::arrowsNext() const {
    if (winner()) return 0;
    return inShootOff() ? 1 : kArrowsPerSet;
}
