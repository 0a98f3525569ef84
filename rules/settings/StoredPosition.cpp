#include "rules/settings/StoredPosition.h"

#include <algorithm>

namespace {

// A title bar counts as reachable when a strip of it wide enough to grab lies on the screen.
constexpr int64_t kGrabWidth = 32;

int64_t overlap(int64_t a0, int64_t a1, int64_t b0, int64_t b1) {
    return std::max<int64_t>(0, std::min(a1, b1) - std::max(a0, b0));
}

bool titleBarShows(WindowPosition p, int32_t frameWidth, int32_t titleBarHeight,
                   const ScreenRect& s) {
    int64_t wide = overlap(p.left, int64_t{p.left} + frameWidth, s.left, int64_t{s.left} + s.width);
    int64_t high =
        overlap(p.top, int64_t{p.top} + titleBarHeight, s.top, int64_t{s.top} + s.height);
    return wide >= std::min<int64_t>(kGrabWidth, frameWidth) && high >= titleBarHeight;
}

}  // namespace

WindowPosition PullIntoView(WindowPosition stored, int32_t frameWidth, int32_t titleBarHeight,
                            const std::vector<ScreenRect>& screens) {
    if (screens.empty()) return stored;
    for (const ScreenRect& s : screens) {
        if (titleBarShows(stored, frameWidth, titleBarHeight, s)) return stored;
    }
    const ScreenRect& s = screens.front();
    auto clampInto = [](int64_t v, int64_t low, int64_t high) {
        return static_cast<int32_t>(std::clamp(v, low, std::max(low, high)));
    };
    return {clampInto(stored.left, s.left, int64_t{s.left} + s.width - frameWidth),
            clampInto(stored.top, s.top, int64_t{s.top} + s.height - titleBarHeight)};
}

WindowPosition PlaceWindow(WindowPosition stored, int32_t frameWidth, int32_t frameHeight,
                           int32_t titleBarHeight, const std::vector<ScreenRect>& screens) {
    const WindowPosition placed = PullIntoView(stored, frameWidth, titleBarHeight, screens);
    for (const ScreenRect& s : screens) {
        if (!titleBarShows(placed, frameWidth, titleBarHeight, s)) continue;
        if (frameWidth > s.width || frameHeight > s.height) return {s.left, s.top};
        return placed;
    }
    return placed;
}

bool ScaledWindowFits(int32_t frameWidth, int32_t frameHeight, int32_t currentScale, int32_t scale,
                      const ScreenRect& screen) {
    if (currentScale <= 0) return false;
    auto scaled = [&](int32_t length) { return int64_t{length} * scale / currentScale; };
    return scaled(frameWidth) <= screen.width && scaled(frameHeight) <= screen.height;
}
