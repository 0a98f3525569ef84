#pragma once

#include <cstdint>
#include <string>

#include "rules/match/Geometry.h"
#include "rules/match/Rounds.h"

// The arrow markers of the scope view and their four icon styles.

// One marker for each arrow of the longest end.
inline constexpr int32_t kMarkerCount = kMaxArrowsPerEnd;
static_assert(kMarkerRest.size() == kMarkerCount, "every marker has its rest place");

enum class MarkerButton { Left, Up, Right, Down };

// The style a click on `button` turns `style` into; `style` itself when the button has nothing
// to do for it.
int32_t MarkerStyleAfter(MarkerButton button, int32_t style);

// The tip of the icon of `style`, from its top-left corner; (0, 0) for a style without an icon.
Point MarkerHotSpot(int32_t style);

// "arrow1.ico" .. "arrow4.ico".
std::string MarkerIconFile(int32_t style);

// Whether marker `number` (1..kMarkerCount) stands anywhere but in its rest column.
bool IsMarkerPlaced(int32_t number, Point topLeft);
