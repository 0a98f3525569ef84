#include "rules/match/ComputerScores.h"

#include <algorithm>
#include <array>

#include "rules/match/Rounds.h"
#include "rules/match/Scoring.h"

namespace {

// A computer's performance value is its share in percent of this.
constexpr int32_t kMaxDistanceScore = kArrowsPerDistance * kTenScore;

}  // namespace

int32_t DistanceScoreFromPerformance(int64_t v) {
    const float share = static_cast<float>(static_cast<double>(v) * 0.01);
    const double points = static_cast<double>(share) * kMaxDistanceScore;
    if (points <= 0.0) return 0;
    if (points >= kMaxDistanceScore) return kMaxDistanceScore;
    return static_cast<int32_t>(points);
}

ScoreBand ScoreBandOf(int32_t score) {
    struct Row {
        int32_t upTo;
        ScoreBand band;
    };
    static constexpr std::array<Row, 12> kBands = {{
        {50, {0, 0, 25}},
        {100, {1, 1, 15}},
        {150, {1, 2, 10}},
        {190, {2, 4, 5}},
        {220, {3, 6, 3}},
        {250, {4, 8, 2}},
        {270, {5, 10, 1}},
        {300, {6, 12, 0}},
        {310, {7, 14, 0}},
        {320, {10, 16, 0}},
        {330, {12, 20, 0}},
        {340, {14, 16, 0}},
    }};
    for (const Row& row : kBands) {
        if (score <= row.upTo) return row.band;
    }
    return {17, 14, 0};
}

namespace {

// base + a draw of `spread` either way, never below 0; nothing is drawn for a base of 0.
int32_t CountAround(Random& random, int32_t base, int32_t spread) {
    if (base == 0) return 0;
    return std::max(0, base + random.random(2 * spread + 1) - spread);
}

int32_t MissesAround(Random& random, int32_t base, int32_t score) {
    if (base == 0) return 0;
    const int32_t q = (kMaxDistanceScore - score) / 100;
    return std::max(0, base - q + random.random(2 * q));
}

}  // namespace

void GenerateComputerScores(MatchState& state, Random& random, int performanceIndex,
                            int32_t ScoreRecord::*field) {
    if (performanceIndex < 0 || performanceIndex > 3) return;
    for (int32_t slot = 0; slot < kCompetitorSlots; ++slot) {
        const CompetitorRecord& competitor = state.Competitors[slot];
        if (IsHumanArcher(competitor)) continue;
        const int32_t performance = state.FieldPerformance
                                        ? (*state.FieldPerformance)[slot][performanceIndex]
                                        : competitor.Performance[performanceIndex];
        const int64_t v = int64_t{performance} + random.random(11) - 5;
        const int32_t score = DistanceScoreFromPerformance(v);
        const ScoreBand band = ScoreBandOf(score);
        ScoreRecord& record = state.Scores[slot];
        record.*field = score;
        record.Tens += CountAround(random, band.tens, 3);
        record.Nines += CountAround(random, band.nines, 4);
        record.Misses += MissesAround(random, band.misses, score);
    }
}
