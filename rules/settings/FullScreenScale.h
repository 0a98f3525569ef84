#pragma once

#include <cstdint>

// The size the board is shown at on the whole screen: the largest of the window sizes the game
// offers (kWindowScales) at which the whole board fits into width x height, the room the screen
// leaves it, measured in the desktop's own pixels; the smallest size when none fits.
int32_t FullScreenScale(int32_t width, int32_t height);
