#include "rules/match/Aiming.h"
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

void MatchEngine::RecordArrow(int32_t score, int32_t factor, Point hit, const Wind& wind) {
    const MatchState& s = state_;
    aimRecording_ = false;
    const int32_t arrowsPerEnd = ArrowsPerEnd();
    if (s.ArrowsLeft < 1 || s.ArrowsLeft > arrowsPerEnd) return;
    const CompetitorRecord& shooter = s.Competitors[static_cast<std::size_t>(s.CurrentCompetitor)];
    LoggedArrow arrow{
        .archer = Cp1250Text{shooter.Name},
        .club = Cp1250Text{shooter.Club},
        .distance = s.Distance,
        .endNo = s.EndNumber,
        .arrowNo = arrowsPerEnd - s.ArrowsLeft + 1,
        .score = score,
        .hit = hit,
        .wind = wind,
        .factor = factor,
        .ticks = aimPath_.empty() ? 0 : static_cast<int32_t>(aimPath_.size() - 1),
        .path = std::move(aimPath_),
        .draw = std::move(aimDraw_),
    };
    aimPath_.clear();
    aimDraw_.clear();
    log_->arrowShot(std::move(arrow));
}

void MatchEngine::RecordUnshotArrow() {
    const MatchState& s = state_;
    const int32_t arrowsPerEnd = ArrowsPerEnd();
    const CompetitorRecord& shooter = s.Competitors[static_cast<std::size_t>(s.CurrentCompetitor)];
    log_->arrowShot({.archer = Cp1250Text{shooter.Name},
                     .club = Cp1250Text{shooter.Club},
                     .distance = s.Distance,
                     .endNo = s.EndNumber,
                     .arrowNo = arrowsPerEnd - s.ArrowsLeft + 1,
                     .shot = false});
}

void MatchEngine::RecordDistance(const DistanceStage& finished) {
    const MatchState& s = state_;
    std::vector<LoggedResult> results;
    int32_t rank = 0;
    for (std::size_t entry = 0; entry < s.RankedCompetitors.size(); ++entry) {
        const CompetitorRecord& competitor = s.RankedCompetitors[entry];
        // Free slots are ranked but not listed, and take no place.
        if (competitor.isFree()) continue;
        const ScoreRecord& now = s.RankedScores[entry];
        const ScoreRecord& before =
            scoresAtDistanceStart_[static_cast<std::size_t>(s.RankedSlots[entry])];
        results.push_back({.archer = Cp1250Text{competitor.Name},
                           .club = Cp1250Text{competitor.Club},
                           .human = IsHumanArcher(competitor),
                           .score = now.*finished.scoreField,
                           .hits = finished.arrows() - (now.Misses - before.Misses),
                           .tens = now.Tens - before.Tens,
                           .nines = now.Nines - before.Nines,
                           .rank = ++rank});
    }
    scoresAtDistanceStart_ = s.Scores;
    // After the last distance the match is over: nothing to go on from.
    const std::string point =
        s.Distance == 0
            ? std::string()
            : ResumeBytes(ResumePointAtDistanceStart(s, scoresAtDistanceStart_, lastEndSum_, true));
    log_->distanceEnded(finished.metres(), results, point);
}

std::string MatchEngine::ResumeBytes(const ResumePoint& point) const {
    if (state_.DemoMode || practice_) return {};
    return EncodeResumePoint(point);
}
