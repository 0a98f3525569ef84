#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

#include "rules/formats/GameText.h"
#include "rules/match/ScoreRecord.h"
#include "rules/match/Scoring.h"

// The rounds the game knows: every distance a round shoots, how, and what serves it. Everything
// else (progression, scores, listing columns, records slots, names) is derived from here.

// The picture of the target at a distance and the width of its rings in pixels, which the
// scoring, the pictures the game is shipped with and the hit analysis share.
struct TargetFace {
    int32_t metres;
    const char* picture;
    int32_t ringWidth;
    int32_t faceCentimetres;  // the real 10-zone face the picture stands for
};

namespace faces {
inline constexpr TargetFace k90 = {90, "90.bmp", 4, 122};
inline constexpr TargetFace k70 = {70, "70.bmp", 5, 122};
inline constexpr TargetFace k60 = {60, "60.bmp", 6, 122};
inline constexpr TargetFace k50 = {50, "50.bmp", 7, 80};
inline constexpr TargetFace k30 = {30, "30.bmp", 9, 80};
}  // namespace faces

inline constexpr std::array<TargetFace, 5> kTargetFaces = {faces::k90, faces::k70, faces::k60,
                                                           faces::k50, faces::k30};

// Empty for a distance the game has no target for.
std::optional<TargetFace> findTargetFace(int32_t metres);

enum class Division { Men, Women };

// One distance of a round.
struct DistanceStage {
    TargetFace target;
    int32_t arrowsPerEnd;
    int32_t ends;
    // Which of a computer competitor's four performance values scores this distance.
    int32_t performanceIndex;
    // The counter of a ScoreRecord that collects the points shot here.
    int32_t ScoreRecord::*scoreField;

    constexpr int32_t metres() const { return target.metres; }
    // The EndNumber at which the distance is over: the turn after its last end.
    constexpr int32_t closingEndNumber() const { return ends + 1; }
    constexpr int32_t arrows() const { return arrowsPerEnd * ends; }
    // The most the distance can score: a ten with every arrow.
    constexpr int32_t maxScore() const { return arrows() * kTenScore; }
};

inline constexpr std::size_t kMaxStages = 4;
// An end never has more arrows than the end's score table holds.
inline constexpr int32_t kMaxArrowsPerEnd = 6;

inline constexpr const char* kFullRoundName = "VEXA";
inline constexpr const char* kShortRoundName = QT_TRANSLATE_NOOP("GameText", "VEXA Kr.");

struct Round {
    int32_t type;  // as the round-type dialog reports it and the history stores it
    const char* name;
    Division division;
    const char* competitorFile;  // the field the new-match set-up loads
    std::array<DistanceStage, kMaxStages> stageTable;
    std::size_t stageCount;

    // In order of shooting.
    constexpr std::span<const DistanceStage> stages() const {
        return {stageTable.data(), stageCount};
    }
    // Arrows of the whole round per competitor.
    constexpr int32_t arrows() const {
        int32_t sum = 0;
        for (const DistanceStage& stage : stages()) sum += stage.arrows();
        return sum;
    }
    constexpr int32_t maxScore() const { return arrows() * kTenScore; }
    // The points of the round's distances, added as unsigned numbers as the ranking compares.
    uint32_t total(const ScoreRecord& score) const;
    // Empty for a distance the round does not shoot.
    std::optional<DistanceStage> stageAt(int32_t metres) const;
    // The distance shot after the one at `metres`; empty after the last one, and for a distance
    // the round does not shoot.
    std::optional<DistanceStage> stageAfter(int32_t metres) const;
};

namespace stages {
// Entries of the performance values follow the competitor file: 90/70, 70/60, 50, 30 m.
inline constexpr DistanceStage k90 = {faces::k90, 6, 6, 0, &ScoreRecord::Score90};
inline constexpr DistanceStage kMen70 = {faces::k70, 6, 6, 1, &ScoreRecord::Score70};
inline constexpr DistanceStage kWomen70 = {faces::k70, 6, 6, 0, &ScoreRecord::Score70};
inline constexpr DistanceStage k60 = {faces::k60, 6, 6, 1, &ScoreRecord::Score60};
inline constexpr DistanceStage k50 = {faces::k50, 3, 12, 2, &ScoreRecord::Score50};
inline constexpr DistanceStage k30 = {faces::k30, 3, 12, 3, &ScoreRecord::Score30};
}  // namespace stages

// A round of these distances, shot in this order; past kMaxStages they are left out.
constexpr Round MakeRound(int32_t type, const char* name, Division division,
                          const char* competitorFile, std::initializer_list<DistanceStage> stages) {
    const std::size_t count = std::min(stages.size(), kMaxStages);
    Round round{type, name, division, competitorFile, {}, count};
    std::copy_n(stages.begin(), count, round.stageTable.begin());
    return round;
}

inline constexpr std::array<Round, 4> kRounds = {
    MakeRound(1, kShortRoundName, Division::Men, "muzi.luk", {stages::k50, stages::k30}),
    MakeRound(2, kShortRoundName, Division::Women, "zeny.luk", {stages::k50, stages::k30}),
    MakeRound(3, kFullRoundName, Division::Men, "muzi.luk",
              {stages::k90, stages::kMen70, stages::k50, stages::k30}),
    MakeRound(4, kFullRoundName, Division::Women, "zeny.luk",
              {stages::kWomen70, stages::k60, stages::k50, stages::k30}),
};

// Arrows of one distance of a competition round, the same at every distance; a computer's
// performance value is a share of what they can score.
inline constexpr int32_t kArrowsPerDistance = kRounds.front().stages().front().arrows();
static_assert(std::ranges::all_of(kRounds, [](const Round& round) {
    return std::ranges::all_of(round.stages(), [](const DistanceStage& stage) {
        return stage.arrows() == kArrowsPerDistance;
    });
}));

// The most any round can score.
inline constexpr int32_t kHighestRoundScore = [] {
    int32_t most = 0;
    for (const Round& round : kRounds) most = std::max(most, round.maxScore());
    return most;
}();

// The distance the match state shows outside a match: at program start and once a match is
// over. Every round ends with it.
inline constexpr int32_t kDistanceOutsideMatch = kRounds.front().stages().back().metres();

// Empty for a round type the game does not know.
std::optional<Round> findRound(int32_t roundType);

// Practice: one distance shot alone, as many ends as the archer chooses, each end as long as in
// the rounds that shoot the distance. The history keeps practice under round type 0. Empty for
// a distance no round shoots.
inline constexpr int32_t kPracticeRoundType = 0;
std::optional<Round> PracticeRound(int32_t metres, int32_t ends);
std::optional<Round> findRound(std::string_view name, Division division);

// The full round of a division. Its distances are the division's records and the columns of
// its results listing, whichever of its rounds is shot.
const Round& FullRound(Division division);
bool IsFullRound(const Round& round);

// How the game names a division: as the history stores it (UTF-8), as the round-type dialog
// shows it and as the records view heads it (spelled as it always was), each in UTF-8 and
// marked for translation.
struct DivisionNames {
    const char* stored;          // "muži", "ženy"
    const char* caption;         // "Muži", "Ženy"
    const char* recordsHeading;  // "Muzi", "Ženy"
};
const DivisionNames& NamesOf(Division division);
