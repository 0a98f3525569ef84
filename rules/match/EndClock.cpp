#include "rules/match/EndClock.h"

#include <algorithm>

namespace {

constexpr int32_t kShortLimitSeconds = 120;
constexpr int64_t kYellowMs = 30'000;

}  // namespace

int64_t YellowFromMs(int32_t limitSeconds) {
    const int64_t limitMs = int64_t{limitSeconds} * 1000;
    return limitSeconds < kShortLimitSeconds ? limitMs / 4 : kYellowMs;
}

int32_t ProposedEndSeconds(int32_t arrowsPerEnd) {
    constexpr int32_t kSecondsPerArrow = 40;
    return arrowsPerEnd * kSecondsPerArrow;
}

void EndClock::start(int64_t nowMs) {
    started_ = true;
    paused_ = false;
    startedAt_ = nowMs;
    pausedFor_ = 0;
}

void EndClock::pause(int64_t nowMs) {
    if (!started_ || paused_) return;
    paused_ = true;
    pausedAt_ = nowMs;
}

void EndClock::resume(int64_t nowMs) {
    if (!started_ || !paused_) return;
    paused_ = false;
    pausedFor_ += std::max<int64_t>(0, nowMs - pausedAt_);
}

void EndClock::reset() {
    started_ = false;
    paused_ = false;
    pausedFor_ = 0;
}

int64_t EndClock::remainingMs(int64_t nowMs) const {
    if (!started_) return limitMs_;
    const int64_t until = paused_ ? pausedAt_ : nowMs;
    const int64_t elapsed = std::max<int64_t>(0, until - startedAt_ - pausedFor_);
    return std::max<int64_t>(0, limitMs_ - elapsed);
}

int32_t EndClock::secondsLeft(int64_t nowMs) const {
    return static_cast<int32_t>((remainingMs(nowMs) + 999) / 1000);
}

ClockLight EndClock::light(int64_t nowMs) const {
    const int64_t left = remainingMs(nowMs);
    if (left == 0) return ClockLight::Red;
    if (left <= YellowFromMs(static_cast<int32_t>(limitMs_ / 1000))) return ClockLight::Yellow;
    return ClockLight::Green;
}
