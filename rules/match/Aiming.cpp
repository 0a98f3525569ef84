#include "rules/match/Aiming.h"

#include "rules/match/MatchState.h"

int32_t SwayDivisor(int32_t difficulty) {
    switch (difficulty) {
        case kDifficultyWorldClass:
            return 40;
        case kDifficultyBeginner:
            return 70;
        default:
            return 50;
    }
}

bool SwayGrowsByItself(int32_t difficulty) {
    return difficulty == kDifficultyProfessional || difficulty == kDifficultyWorldClass;
}

int32_t ReleaseFactor(int32_t drawnArrowX) {
    if (drawnArrowX < -60) return 80;
    if (drawnArrowX <= -54) return 100;
    if (drawnArrowX <= -45) return 80;
    if (drawnArrowX <= -35) return 40;
    if (drawnArrowX <= -25) return 20;
    return 0;
}
