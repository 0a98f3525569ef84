#include "rules/settings/FullScreenScale.h"

#include "rules/match/Geometry.h"
#include "rules/settings/PlayerSettings.h"

int32_t FullScreenScale(int32_t width, int32_t height) {
    int32_t chosen = kWindowScales.front();
    for (const int32_t percent : kWindowScales) {
        const bool fits = int64_t{kBoardWidth} * percent <= int64_t{width} * 100 &&
                          int64_t{kBoardHeight} * percent <= int64_t{height} * 100;
        if (fits && percent > chosen) chosen = percent;
    }
    return chosen;
}
