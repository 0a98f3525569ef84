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

// Where to put a window whose frame (width x height) may be larger than the screens: as
// PullIntoView, except that a frame too large for the screen it lands on starts at that screen's
// top-left corner, so that the title bar and the menu below it are at hand.
WindowPosition PlaceWindow(WindowPosition stored, int32_t frameWidth, int32_t frameHeight,
                           int32_t titleBarHeight, const std::vector<ScreenRect>& screens);

// Whether a window whose frame is frameWidth x frameHeight at `currentScale` per cent would fit
// on `screen` (measured in the same units) when drawn at `scale` per cent instead.
bool ScaledWindowFits(int32_t frameWidth, int32_t frameHeight, int32_t currentScale, int32_t scale,
                      const ScreenRect& screen);
