#pragma once

#include <QImage>
#include <cstdint>

// A marker icon of style 1..4: a small fletched arrow on a transparent ground whose tip lies
// on the style's hot spot (kMarkerHotSpot), so the marker points at the hit it marks. A dark
// outline keeps it visible on every ring colour.
QImage drawMarker(int32_t style);
