#include "rules/match/DistanceChanges.h"

#include <array>

namespace {

// The first matching row acts. After 70 m men go on to 50 m, women to 60 m.
constexpr std::array<DistanceChange, 6> kChanges = {{
    {7, 90, 0, 70, 6, 0, &ScoreRecord::Score90},
    {7, 70, 3, 50, 3, 1, &ScoreRecord::Score70},
    {7, 70, 4, 60, 6, 0, &ScoreRecord::Score70},
    {7, 60, 0, 50, 3, 1, &ScoreRecord::Score60},
    {13, 50, 0, 30, 3, 2, &ScoreRecord::Score50},
    {13, 30, 0, 0, 0, 3, &ScoreRecord::Score30},
}};

}  // namespace

const DistanceChange* FindDistanceChange(int32_t endNumber, int32_t distance, int32_t roundType) {
    for (const DistanceChange& change : kChanges) {
        if (change.endNumber == endNumber && change.distance == distance &&
            (change.roundType == 0 || change.roundType == roundType)) {
            return &change;
        }
    }
    return nullptr;
}
