#include "rules/match/Random.h"

int32_t SeededRandom::random(int32_t n) {
    if (n <= 0) return 0;
    return static_cast<int32_t>(engine_() % static_cast<uint32_t>(n));
}
