#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/match/Geometry.h"

// The stored form of an arrow's aiming. A blob starts with its format byte and the number of
// ticks it holds. The sight path then gives the first top-left and, for every later tick, its
// step from the one before: one byte for a step of at most 5 pixels each way (what the sway and
// the keys make), an escape byte and two varints for any other. The draw gives its first left
// and then runs of equal steps (the bow comes up and goes down evenly). Every value is kept
// exactly, whatever its size.
std::string EncodePath(const std::vector<Point>& topLefts);
std::string EncodeDraw(const std::vector<int32_t>& lefts);

// Decoding never fails: it returns every whole value and says whether the blob was whole.
struct DecodedPath {
    std::vector<Point> points;
    bool whole = true;  // false when the bytes end early, hold more, or are of no known format
};
struct DecodedDraw {
    std::vector<int32_t> lefts;
    bool whole = true;
};
DecodedPath DecodePath(std::string_view bytes);
DecodedDraw DecodeDraw(std::string_view bytes);

// The blobs of histories before the compact form: little-endian signed 16-bit values, one x, y
// pair per tick for the path, one value per tick for the draw. Re-encoded into the compact form
// with every whole value; a blob that ended inside a value stays marked as not whole.
std::string CompactLegacyPath(std::string_view legacy);
std::string CompactLegacyDraw(std::string_view legacy);
