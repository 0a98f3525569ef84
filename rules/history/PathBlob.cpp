#include "rules/history/PathBlob.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

void appendInt16LE(std::string& out, int32_t value) {
    const auto clamped = static_cast<int16_t>(std::clamp<int32_t>(
        value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
    const auto bits = static_cast<uint16_t>(clamped);
    out.push_back(static_cast<char>(bits & 0xFF));
    out.push_back(static_cast<char>(bits >> 8));
}

int32_t readInt16LE(std::string_view bytes, std::size_t offset) {
    const auto low = static_cast<uint16_t>(static_cast<unsigned char>(bytes[offset]));
    const auto high = static_cast<uint16_t>(static_cast<unsigned char>(bytes[offset + 1]));
    return static_cast<int16_t>(static_cast<uint16_t>(low | (high << 8)));
}

// Every value of a blob, and whether the bytes ended inside one.
std::pair<std::vector<int32_t>, bool> readValues(std::string_view bytes) {
    std::vector<int32_t> values;
    values.reserve(bytes.size() / 2);
    for (std::size_t at = 0; at + 2 <= bytes.size(); at += 2)
        values.push_back(readInt16LE(bytes, at));
    return {std::move(values), bytes.size() % 2 == 0};
}

}  // namespace

std::string EncodePath(const std::vector<Point>& topLefts) {
    std::string out;
    out.reserve(topLefts.size() * 4);
    for (const Point& p : topLefts) {
        appendInt16LE(out, p.x);
        appendInt16LE(out, p.y);
    }
    return out;
}

std::string EncodeDraw(const std::vector<int32_t>& lefts) {
    std::string out;
    out.reserve(lefts.size() * 2);
    for (int32_t left : lefts) appendInt16LE(out, left);
    return out;
}

DecodedPath DecodePath(std::string_view bytes) {
    const std::size_t wholePairs = bytes.size() / 4 * 4;
    const std::vector<int32_t> values = readValues(bytes.substr(0, wholePairs)).first;
    DecodedPath decoded{.points = {}, .whole = wholePairs == bytes.size()};
    for (std::size_t i = 0; i + 1 < values.size(); i += 2)
        decoded.points.push_back({values[i], values[i + 1]});
    return decoded;
}

DecodedDraw DecodeDraw(std::string_view bytes) {
    auto [values, whole] = readValues(bytes);
    return {.lefts = std::move(values), .whole = whole};
}
