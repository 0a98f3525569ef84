#include "rules/classification/Classification.h"

#include <algorithm>
#include <array>

namespace {

int32_t ArrowsOf(const Shoot& shoot) {
    int32_t arrows = 0;
    for (const ShootDistance& d : shoot.distances) arrows += d.arrows;
    return arrows;
}

int32_t LongestOf(const Shoot& shoot) {
    int32_t longest = 0;
    for (const ShootDistance& d : shoot.distances) longest = std::max(longest, d.metres);
    return longest;
}

bool OfTier(const Shoot& shoot, ClassTier tier) {
    if (shoot.practice)
        return tier == ClassTier::Archer && ArrowsOf(shoot) >= kPracticeArrowsForClass;
    if (tier != ClassTier::MasterBowman) return true;
    const std::optional<Round> round = findRound(shoot.roundType);
    return round && IsFullRound(*round);
}

bool CountsToward(const Shoot& shoot, int32_t handicap, Division division,
                  const ClassEntry& entry) {
    return handicap <= ClassHandicap(entry.id, division) &&
           LongestOf(shoot) >= ClassMetres(entry.id, division) && OfTier(shoot, entry.tier);
}

}  // namespace

ClassProgress ClassProgressOf(const HandicapProgress& handicaps) {
    ClassProgress progress;
    std::array<int64_t, kClasses.size()> arrows{};
    // The men's, the stricter, until a match shows the archer's division.
    Division division = Division::Men;
    for (const RatedShoot& rated : handicaps.shoots) {
        const Shoot& shoot = rated.shoot;
        ClassedShoot& classed = progress.shoots.emplace_back();
        std::optional<Division> judgedAs = division;
        if (!shoot.practice) {
            const std::optional<Round> round = findRound(shoot.roundType);
            judgedAs = round ? std::optional(round->division) : std::nullopt;
            if (round) division = round->division;
        }
        if (!rated.handicap || !judgedAs) continue;
        for (std::size_t i = 0; i < kClasses.size(); ++i) {
            const ClassEntry& entry = kClasses[i];
            if (!CountsToward(shoot, *rated.handicap, *judgedAs, entry)) continue;
            classed.counted = entry.id;
            const int64_t needed = TierArrows(entry.tier);
            const bool heldBefore = arrows[i] >= needed;
            arrows[i] += ArrowsOf(shoot);
            if (!heldBefore && arrows[i] >= needed) {
                classed.earned = entry.id;
                if (!progress.held || entry.id > progress.held->id)
                    progress.held = HeldClass{entry.id, shoot.matchId, shoot.date};
            }
        }
    }
    const std::size_t next =
        progress.held ? static_cast<std::size_t>(progress.held->id) + 1 : std::size_t{0};
    if (next < kClasses.size()) {
        const ClassEntry& entry = kClasses[next];
        const int64_t missing = TierArrows(entry.tier) - arrows[next];
        progress.next = ClassNeed{
            .id = entry.id,
            .dozens = static_cast<int32_t>((missing + kArrowsPerDozen - 1) / kArrowsPerDozen),
            .handicap = ClassHandicap(entry.id, division),
            .metres = ClassMetres(entry.id, division)};
    }
    return progress;
}

std::optional<ArcheryClass> ClassEarnedIn(const History& history, const ArcherKey& archer,
                                          int64_t matchId) {
    const HandicapProgress handicaps = HandicapProgressOf(history, archer);
    const ClassProgress classes = ClassProgressOf(handicaps);
    for (std::size_t i = 0; i < handicaps.shoots.size(); ++i) {
        if (handicaps.shoots[i].shoot.matchId == matchId) return classes.shoots[i].earned;
    }
    return std::nullopt;
}
