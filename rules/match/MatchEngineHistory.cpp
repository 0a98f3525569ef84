#include <algorithm>
#include <numeric>

#include "rules/match/Aiming.h"
#include "rules/match/Ends.h"
#include "rules/match/MatchEngine.h"
#include "rules/match/Ranking.h"
#include "rules/match/Rounds.h"

namespace {

// Room for a few seconds of aiming, so that no tick waits for memory.
constexpr std::size_t kAimTicksReserved = 2048;

}  // namespace

void MatchEngine::BeginAimRecord() {
    aimPath_.clear();
    aimDraw_.clear();
    aimPath_.reserve(kAimTicksReserved);
    aimDraw_.reserve(kAimTicksReserved);
    aimRecording_ = true;
    aimPath_.push_back(state_.Sight);
    aimDraw_.push_back(state_.ArrowLeft);
}

void MatchEngine::RecordArrow(int32_t score, int32_t factor) {
    const MatchState& s = state_;
    aimRecording_ = false;
    const int32_t arrowsPerEnd = ArrowsPerEnd(s.Distance);
    if (s.ArrowsLeft < 1 || s.ArrowsLeft > arrowsPerEnd) return;
    const CompetitorRecord& shooter = s.Competitors[static_cast<std::size_t>(s.CurrentCompetitor)];
    LoggedArrow arrow{
        .archer = shooter.Name,
        .club = shooter.Club,
        .distance = s.Distance,
        .endNo = s.EndNumber,
        .arrowNo = arrowsPerEnd - s.ArrowsLeft + 1,
        .score = score,
        .hit = {s.Sight.x + kSightAimOffset, s.Sight.y + kSightAimOffset},
        .factor = factor,
        .ticks = aimPath_.empty() ? 0 : static_cast<int32_t>(aimPath_.size() - 1),
        .path = std::move(aimPath_),
        .draw = std::move(aimDraw_),
    };
    aimPath_.clear();
    aimDraw_.clear();
    log_->arrowShot(std::move(arrow));
}

void MatchEngine::RecordDistance(int32_t distance) {
    const MatchState& s = state_;
    int32_t ScoreRecord::*field = DistanceScoreField(distance);
    // The order of the results listing: a stable sort, free slots passed over in the numbering.
    std::array<std::size_t, kCompetitorSlots> order{};
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return RanksBefore(s.Scores[a], s.Scores[b], s.RoundType);
    });
    std::vector<LoggedResult> results;
    int32_t rank = 0;
    for (std::size_t slot : order) {
        const CompetitorRecord& competitor = s.Competitors[slot];
        if (competitor.isFree()) continue;
        const ScoreRecord& now = s.Scores[slot];
        const ScoreRecord& before = scoresAtDistanceStart_[slot];
        results.push_back({.archer = competitor.Name,
                           .club = competitor.Club,
                           .human = !competitor.IsComputer,
                           .score = field ? now.*field : 0,
                           .hits = kArrowsPerDistance - (now.Misses - before.Misses),
                           .tens = now.Tens - before.Tens,
                           .nines = now.Nines - before.Nines,
                           .rank = ++rank});
    }
    scoresAtDistanceStart_ = s.Scores;
    log_->distanceEnded(distance, results);
}
