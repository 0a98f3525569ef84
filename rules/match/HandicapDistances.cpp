#include "rules/match/HandicapDistances.h"

#include "rules/match/Rounds.h"

std::optional<HandicapDistance> HandicapDistanceAt(int32_t metres, int32_t arrows) {
    const std::optional<TargetFace> face = findTargetFace(metres);
    if (!face) return std::nullopt;
    return HandicapDistance{metres, face->faceCentimetres, arrows};
}

std::vector<HandicapDistance> HandicapDistancesOf(int32_t roundType) {
    std::vector<HandicapDistance> distances;
    const std::optional<Round> round = findRound(roundType);
    if (!round) return distances;
    for (const DistanceStage& stage : round->stages()) {
        distances.push_back({stage.metres(), stage.target.faceCentimetres, stage.arrows()});
    }
    return distances;
}
