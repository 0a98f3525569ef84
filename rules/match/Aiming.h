#pragma once

#include <cstdint>

// How the sight sways and the bow is drawn, tick by tick of Timer1.

inline constexpr int32_t kKeyStep = 8;        // pixels per tick of a held arrow key
inline constexpr int32_t kDrawStep = -1;      // the arrow's move per tick while A is held
inline constexpr int32_t kLetDownStep = 5;    // ... and while it is not
inline constexpr int32_t kClickerLeft = -55;  // the clicker ticks once the arrow is past it
inline constexpr int32_t kNewArrowUnsteadiness = 100;
inline constexpr int32_t kLetDownUnsteadiness = 200;  // a bow let down sways at its rest value

// A new arrow puts the sight at kSightPlacementMin + random(kSightPlacementRange) each way, 16 to
// 258; the first tick pulls a sight beyond the target back onto it.
inline constexpr int32_t kSightPlacementMin = 16;
inline constexpr int32_t kSightPlacementRange = 243;

// The sway amplitude is Unsteadiness divided by this. A level the difficulty dialog never writes
// (the configuration file may hold any number) sways like "Amatér".
int32_t SwayDivisor(int32_t difficulty);
// "Profesionál" and "Světová třída" grow unsteady by themselves, one step per tick.
bool SwayGrowsByItself(int32_t difficulty);

// How well the arrow was drawn when it was let go, in percent of the ring score, from the left
// of the drawn arrow: full draw -54 to -60 gives 100, over-drawing or nearly full 80, then 40,
// 20 and 0 for an arrow hardly drawn.
int32_t ReleaseFactor(int32_t drawnArrowX);
