#pragma once

#include <cstdint>
#include <vector>

struct ScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// Where to put a window whose frame was stored at (left, top): the stored place itself when the
// title bar would show on some screen, otherwise the nearest place on the first screen that
// brings the whole title bar into view. A window must never come back where it cannot be grabbed.
struct WindowPosition {
    int32_t left = 0;
    int32_t top = 0;
};
WindowPosition PullIntoView(WindowPosition stored, int32_t frameWidth, int32_t titleBarHeight,
                            const std::vector<ScreenRect>& screens);
