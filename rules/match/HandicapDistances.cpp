#include "rules/match/HandicapDistances.h"

#include "rules/match/Rounds.h"

std::optional<HandicapDistance> HandicapDistanceAt(int32_t metres, int32_t arrows) {
    const DistanceRules* distance = findDistance(metres);
    if (!distance) return std::nullopt;
    return HandicapDistance{metres, distance->faceCentimetres, arrows};
}

std::vector<HandicapDistance> HandicapDistancesOf(int32_t roundType) {
    std::vector<HandicapDistance> distances;
    const RoundRules* round = findRound(roundType);
    if (!round) return distances;
    for (int32_t i = 0; i < round->distanceCount; ++i) {
        distances.push_back(*HandicapDistanceAt(round->distances[i], kArrowsPerDistance));
    }
    return distances;
}
