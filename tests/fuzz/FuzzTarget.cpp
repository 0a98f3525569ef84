#include "fuzz/FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

std::vector<FuzzTarget>& FuzzTargets() {
    static std::vector<FuzzTarget> targets;
    return targets;
}

void FuzzCheck(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}
