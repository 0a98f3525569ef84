#include "rules/match/Rounds.h"

#include <algorithm>

std::optional<TargetFace> findTargetFace(int32_t metres) {
    for (const TargetFace& face : kTargetFaces) {
        if (face.metres == metres) return face;
    }
    return std::nullopt;
}

uint32_t Round::total(const ScoreRecord& score) const {
    uint32_t sum = 0;
    for (const DistanceStage& stage : stages())
        sum += static_cast<uint32_t>(score.*stage.scoreField);
    return sum;
}

std::optional<DistanceStage> Round::stageAt(int32_t metres) const {
    for (const DistanceStage& stage : stages()) {
        if (stage.metres() == metres) return stage;
    }
    return std::nullopt;
}

std::optional<DistanceStage> Round::stageAfter(int32_t metres) const {
    const auto all = stages();
    const auto at = std::find_if(all.begin(), all.end(),
                                 [metres](const DistanceStage& s) { return s.metres() == metres; });
    if (at == all.end() || at + 1 == all.end()) return std::nullopt;
    return *(at + 1);
}

std::optional<Round> findRound(int32_t roundType) {
    for (const Round& round : kRounds) {
        if (round.type == roundType) return round;
    }
    return std::nullopt;
}

std::optional<Round> PracticeRound(int32_t metres, int32_t ends) {
    for (const Round& round : kRounds) {
        if (std::optional<DistanceStage> stage = round.stageAt(metres)) {
            stage->ends = ends;
            return MakeRound(kPracticeRoundType, "", round.division, "", {*stage});
        }
    }
    return std::nullopt;
}

std::optional<Round> findRound(std::string_view name, Division division) {
    for (const Round& round : kRounds) {
        if (round.name == name && round.division == division) return round;
    }
    return std::nullopt;
}

const Round& FullRound(Division division) {
    for (const Round& round : kRounds) {
        if (round.division == division && std::string_view(round.name) == kFullRoundName)
            return round;
    }
    // Each division has its full round; the tables are written that way.
    return kRounds.back();
}

bool IsFullRound(const Round& round) {
    return FullRound(round.division).type == round.type;
}

const DivisionNames& NamesOf(Division division) {
    static constexpr DivisionNames kMen = {QT_TRANSLATE_NOOP("GameText", "muži"),
                                           QT_TRANSLATE_NOOP("GameText", "Muži"),
                                           QT_TRANSLATE_NOOP("GameText", "Muzi")};
    static constexpr DivisionNames kWomen = {QT_TRANSLATE_NOOP("GameText", "ženy"),
                                             QT_TRANSLATE_NOOP("GameText", "Ženy"),
                                             QT_TRANSLATE_NOOP("GameText", "Ženy")};
    return division == Division::Men ? kMen : kWomen;
}
