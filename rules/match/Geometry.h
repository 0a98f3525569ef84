#pragma once

#include <array>
#include <cstdint>

// Client-pixel geometry of the main window that the scoring, the markers and the drawn
// pictures share. The picture generator draws from these same numbers.
struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// The board: the client area of the main window below its menu.
inline constexpr int32_t kBoardWidth = 720;
inline constexpr int32_t kBoardHeight = 480;

inline constexpr int32_t kTargetSize = 250;      // Tercov, at (0, 0)
inline constexpr Point kTargetCentre{125, 125};  // in Tercov and window pixels
inline constexpr int32_t kTargetRings = 10;

inline constexpr int32_t kSightSize = 33;       // Zamer
inline constexpr int32_t kSightAimOffset = 16;  // aim point = left/top + 16
inline constexpr Point kSightStart{112, 112};
inline constexpr int32_t kSightMaxLeft = kTargetSize - kSightSize;  // 217

inline constexpr Point kScopeOrigin{251, 0};  // Dalekohled, 250 x 250
inline constexpr int32_t kScopeSize = 250;
inline constexpr Point kScopeCentre{375, 125};  // window pixels
inline constexpr int32_t kScopeRingWidth = 12;
inline constexpr Point kScopeMin{250, 0};  // clamp of a scope point
inline constexpr Point kScopeMax{500, 250};
inline constexpr Point kMissPoint{250, 0};

inline constexpr int32_t kMarkerSize = 32;  // Arrow1 .. Arrow6
inline constexpr std::array<Point, 6> kMarkerRest = {
    {{250, 253}, {250, 285}, {250, 317}, {282, 253}, {282, 285}, {282, 317}}};
// Offset of the tip of marker style 1..4 from the icon's top-left corner (index = style - 1).
inline constexpr std::array<Point, 4> kMarkerHotSpot = {{{0, 0}, {32, 0}, {32, 32}, {0, 32}}};

inline constexpr int32_t kDrawnArrowTop = 305;  // Arrow, 125 x 2
inline constexpr int32_t kArrowNocked = -5;
inline constexpr int32_t kArrowReleased = -250;
