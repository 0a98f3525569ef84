#include "rules/match/LevelField.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "rules/match/ComputerScores.h"
#include "rules/match/HandicapDistances.h"
#include "rules/match/Rounds.h"

namespace {

// The formula varies a value by up to 5 either way, each draw equally likely.
constexpr int32_t kVariation = 5;
// Beyond this every draw already scores the full 360.
constexpr int32_t kHighestUsefulPerformance = 100 + 2 * kVariation;

struct ScoredDistance {
    HandicapDistance distance;
    int32_t performanceIndex;
};

std::vector<ScoredDistance> ScoredDistancesOf(int32_t roundType) {
    std::vector<ScoredDistance> scored;
    const std::optional<Round> round = findRound(roundType);
    if (!round) return scored;
    for (const DistanceStage& stage : round->stages()) {
        scored.push_back({{stage.metres(), stage.target.faceCentimetres, stage.arrows()},
                          stage.performanceIndex});
    }
    return scored;
}

int64_t Strength(const CompetitorRecord& archer, const std::vector<ScoredDistance>& distances) {
    int64_t sum = 0;
    for (const ScoredDistance& d : distances) sum += archer.Performance[d.performanceIndex];
    return sum;
}

}  // namespace

double ExpectedComputerScore(int32_t performance) {
    int64_t sum = 0;
    for (int32_t draw = -kVariation; draw <= kVariation; ++draw) {
        sum += DistanceScoreFromPerformance(int64_t{performance} + draw);
    }
    return static_cast<double>(sum) / (2 * kVariation + 1);
}

int32_t PerformanceForScore(double score) {
    int32_t best = 0;
    double bestGap = std::abs(ExpectedComputerScore(0) - score);
    for (int32_t performance = 1; performance <= kHighestUsefulPerformance; ++performance) {
        const double gap = std::abs(ExpectedComputerScore(performance) - score);
        if (gap < bestGap) {
            best = performance;
            bestGap = gap;
        }
    }
    return best;
}

PerformanceTable FieldPerformanceAt(const CompetitorTable& field, int32_t roundType,
                                    int32_t handicap) {
    PerformanceTable table{};
    for (std::size_t slot = 0; slot < field.size(); ++slot) table[slot] = field[slot].Performance;
    const std::vector<ScoredDistance> distances = ScoredDistancesOf(roundType);
    if (distances.empty()) return table;

    std::vector<std::size_t> computers;
    for (std::size_t slot = 0; slot < field.size(); ++slot) {
        if (!field[slot].isFree() && !IsHumanArcher(field[slot])) computers.push_back(slot);
    }
    // The strongest archer of the list stays the strongest of the field.
    std::stable_sort(computers.begin(), computers.end(), [&](std::size_t a, std::size_t b) {
        return Strength(field[a], distances) > Strength(field[b], distances);
    });
    const auto count = static_cast<int32_t>(computers.size());
    for (int32_t place = 0; place < count; ++place) {
        const double archerHandicap =
            count == 1
                ? handicap
                : handicap - kFieldHandicapReach + 2.0 * kFieldHandicapReach * place / (count - 1);
        for (const ScoredDistance& d : distances) {
            const HandicapDistance one[] = {d.distance};
            table[computers[place]][d.performanceIndex] =
                PerformanceForScore(ExpectedScore(archerHandicap, one));
        }
    }
    return table;
}
