#include "rules/classification/ClassTable.h"

#include <algorithm>

const ClassEntry& ClassOf(ArcheryClass id) {
    return kClasses[static_cast<std::size_t>(id)];
}

int32_t ClassHandicap(ArcheryClass id, Division division) {
    const int32_t stepsBelowDatum =
        static_cast<int32_t>(ArcheryClass::MB) - static_cast<int32_t>(id);
    const int32_t men = kClassDatum + kClassStep * stepsBelowDatum;
    return division == Division::Women ? men + kWomensClassStep : men;
}

int32_t ClassMetres(ArcheryClass id, Division division) {
    int32_t longest = 0;
    for (const DistanceStage& stage : FullRound(division).stages())
        longest = std::max(longest, stage.metres());
    return std::min(ClassOf(id).metres, longest);
}

int32_t TierArrows(ClassTier tier) {
    switch (tier) {
        case ClassTier::Archer:
            return 12 * kArrowsPerDozen;
        case ClassTier::Bowman:
            return 18 * kArrowsPerDozen;
        case ClassTier::MasterBowman:
            return 36 * kArrowsPerDozen;
    }
    return 0;
}
