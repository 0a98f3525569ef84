#include "rules/formats/Varint.h"

void appendVarint(std::string& out, uint64_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

void appendSignedVarint(std::string& out, int64_t value) {
    const auto bits = static_cast<uint64_t>(value);
    appendVarint(out, (bits << 1) ^ (value < 0 ? ~uint64_t{0} : 0));
}

std::optional<uint64_t> readVarint(std::string_view bytes, std::size_t& at) {
    uint64_t value = 0;
    for (std::size_t i = at, shift = 0; i < bytes.size() && shift < 64; ++i, shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        value |= static_cast<uint64_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) {
            at = i + 1;
            return value;
        }
    }
    return std::nullopt;
}

std::optional<int64_t> readSignedVarint(std::string_view bytes, std::size_t& at) {
    const std::optional<uint64_t> zigzag = readVarint(bytes, at);
    if (!zigzag) return std::nullopt;
    return static_cast<int64_t>(*zigzag >> 1) ^ -static_cast<int64_t>(*zigzag & 1);
}
