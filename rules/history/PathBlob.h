#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/match/Geometry.h"

// The stored form of an arrow's aiming: little-endian signed 16-bit values, one x, y pair per
// tick for the sight path, one value per tick for the draw. Values outside 16 bits are clamped.
std::string EncodePath(const std::vector<Point>& topLefts);
std::string EncodeDraw(const std::vector<int32_t>& lefts);

// Decoding never fails: it returns every whole value and says whether bytes were left over.
struct DecodedPath {
    std::vector<Point> points;
    bool whole = true;  // false when the bytes ended inside a value
};
struct DecodedDraw {
    std::vector<int32_t> lefts;
    bool whole = true;
};
DecodedPath DecodePath(std::string_view bytes);
DecodedDraw DecodeDraw(std::string_view bytes);
