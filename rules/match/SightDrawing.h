#pragma once

#include <cstdint>

// The three sights the player can choose: black lines on a transparent ground, 32 x 32, the
// circle touching all four edges and the aim point at pixel (16, 16), matching kSightAimOffset.
//   1: the circle crossed by a full horizontal and vertical line, a 3 x 3 block where they cross
//   2: the circle, a 3 x 3 ring round the aim point and one line from the ring down to the circle
//   3: the ring and line of 2 seen through a round window in solid black
inline constexpr int32_t kSightPictureSide = 32;
inline constexpr int32_t kSightKinds = 3;

// Whether pixel (x, y) of sight `kind` (1 .. 3) is black; false outside the picture.
bool SightPixelIsBlack(int32_t kind, int32_t x, int32_t y);
