#include "rules/history/PathBlob.h"

#include <optional>

#include "rules/formats/Varint.h"

namespace {

constexpr char kCompactFormat = 0x01;
// A step of -5..5 in each direction packs into one byte below this; larger steps follow an
// escape byte.
constexpr int32_t kSmallStep = 5;
constexpr int32_t kSmallSteps = 2 * kSmallStep + 1;
constexpr unsigned char kEscape = 0xFF;

bool isSmall(int64_t step) {
    return step >= -kSmallStep && step <= kSmallStep;
}

// Reads the format byte and the count; empty when the blob is of no format known here.
std::optional<uint64_t> readHeader(std::string_view bytes, std::size_t& at) {
    if (bytes.empty() || bytes[0] != kCompactFormat) return std::nullopt;
    at = 1;
    return readVarint(bytes, at);
}

int32_t readInt16LE(std::string_view bytes, std::size_t offset) {
    const auto low = static_cast<uint16_t>(static_cast<unsigned char>(bytes[offset]));
    const auto high = static_cast<uint16_t>(static_cast<unsigned char>(bytes[offset + 1]));
    return static_cast<int16_t>(static_cast<uint16_t>(low | (high << 8)));
}

std::vector<int32_t> legacyValues(std::string_view bytes) {
    std::vector<int32_t> values;
    values.reserve(bytes.size() / 2);
    for (std::size_t at = 0; at + 2 <= bytes.size(); at += 2)
        values.push_back(readInt16LE(bytes, at));
    return values;
}

}  // namespace

std::string EncodePath(const std::vector<Point>& topLefts) {
    std::string out(1, kCompactFormat);
    out.reserve(topLefts.size() + 8);
    appendVarint(out, topLefts.size());
    Point last{0, 0};
    for (std::size_t i = 0; i < topLefts.size(); ++i) {
        const Point p = topLefts[i];
        const int64_t dx = int64_t{p.x} - last.x;
        const int64_t dy = int64_t{p.y} - last.y;
        // The first point is a position, not a step: it always takes the long form.
        if (i > 0 && isSmall(dx) && isSmall(dy)) {
            out.push_back(static_cast<char>((dx + kSmallStep) * kSmallSteps + dy + kSmallStep));
        } else {
            out.push_back(static_cast<char>(kEscape));
            appendSignedVarint(out, dx);
            appendSignedVarint(out, dy);
        }
        last = p;
    }
    return out;
}

DecodedPath DecodePath(std::string_view bytes) {
    if (bytes.empty()) return {};
    DecodedPath decoded{.points = {}, .whole = false};
    std::size_t at = 0;
    const std::optional<uint64_t> count = readHeader(bytes, at);
    if (!count) return decoded;
    Point last{0, 0};
    while (at < bytes.size() && decoded.points.size() < *count) {
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        int64_t dx = 0, dy = 0;
        if (byte < kSmallSteps * kSmallSteps) {
            dx = byte / kSmallSteps - kSmallStep;
            dy = byte % kSmallSteps - kSmallStep;
        } else if (byte == kEscape) {
            const std::optional<int64_t> x = readSignedVarint(bytes, at);
            const std::optional<int64_t> y = x ? readSignedVarint(bytes, at) : std::nullopt;
            if (!y) return decoded;
            dx = *x;
            dy = *y;
        } else {
            return decoded;
        }
        last = {static_cast<int32_t>(last.x + dx), static_cast<int32_t>(last.y + dy)};
        decoded.points.push_back(last);
    }
    decoded.whole = at == bytes.size() && decoded.points.size() == *count;
    return decoded;
}

std::string EncodeDraw(const std::vector<int32_t>& lefts) {
    std::string out(1, kCompactFormat);
    appendVarint(out, lefts.size());
    if (lefts.empty()) return out;
    appendSignedVarint(out, lefts.front());
    for (std::size_t i = 1; i < lefts.size();) {
        const int64_t step = int64_t{lefts[i]} - lefts[i - 1];
        std::size_t run = 1;
        while (i + run < lefts.size() && int64_t{lefts[i + run]} - lefts[i + run - 1] == step)
            ++run;
        appendSignedVarint(out, step);
        appendVarint(out, run);
        i += run;
    }
    return out;
}

DecodedDraw DecodeDraw(std::string_view bytes) {
    if (bytes.empty()) return {};
    DecodedDraw decoded{.lefts = {}, .whole = false};
    std::size_t at = 0;
    const std::optional<uint64_t> count = readHeader(bytes, at);
    if (!count || *count == 0) {
        decoded.whole = count && at == bytes.size();
        return decoded;
    }
    const std::optional<int64_t> first = readSignedVarint(bytes, at);
    if (!first) return decoded;
    int64_t value = *first;
    decoded.lefts.push_back(static_cast<int32_t>(value));
    while (at < bytes.size() && decoded.lefts.size() < *count) {
        const std::optional<int64_t> step = readSignedVarint(bytes, at);
        const std::optional<uint64_t> run = step ? readVarint(bytes, at) : std::nullopt;
        if (!run || *run == 0 || *run > *count - decoded.lefts.size()) return decoded;
        for (uint64_t i = 0; i < *run; ++i) {
            value += *step;
            decoded.lefts.push_back(static_cast<int32_t>(value));
        }
    }
    decoded.whole = at == bytes.size() && decoded.lefts.size() == *count;
    return decoded;
}

std::string CompactLegacyPath(std::string_view legacy) {
    const std::size_t whole = legacy.size() / 4 * 4;
    const std::vector<int32_t> values = legacyValues(legacy.substr(0, whole));
    std::vector<Point> points;
    for (std::size_t i = 0; i + 1 < values.size(); i += 2)
        points.push_back({values[i], values[i + 1]});
    std::string compact = EncodePath(points);
    // An escape with nothing after it: the blob reads as cut short, as the old one did.
    if (whole != legacy.size()) compact.push_back(static_cast<char>(kEscape));
    return compact;
}

std::string CompactLegacyDraw(std::string_view legacy) {
    const std::vector<int32_t> values = legacyValues(legacy);
    if (legacy.size() % 2 == 0) return EncodeDraw(values);
    // One value more than there is: the blob reads as cut short, as the old one did.
    std::string compact(1, kCompactFormat);
    appendVarint(compact, values.size() + 1);
    std::string rest = EncodeDraw(values);
    std::size_t at = 1;
    readVarint(rest, at);
    return compact + rest.substr(at);
}
