#include "rules/formats/BitmapHeader.h"

#include <cstdlib>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

uint32_t u16(std::string_view bytes, std::size_t offset) {
    return static_cast<unsigned char>(bytes[offset]) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + 1])) << 8;
}

uint32_t u32(std::string_view bytes, std::size_t offset) {
    return u16(bytes, offset) | u16(bytes, offset + 2) << 16;
}

bool knownBitCount(uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

std::optional<DibLayout> ReadDibHeader(std::string_view dib) {
    if (dib.size() < 4) return std::nullopt;
    const uint32_t headerSize = u32(dib, 0);
    if ((headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize) ||
        dib.size() < headerSize) {
        return std::nullopt;
    }
    const bool core = headerSize == kCoreHeaderSize;
    // The old header's sizes are unsigned 16-bit, the newer ones signed 32-bit.
    const int64_t width = core ? int64_t{u16(dib, 4)} : int64_t{static_cast<int32_t>(u32(dib, 4))};
    const int64_t height = core ? int64_t{u16(dib, 6)} : int64_t{static_cast<int32_t>(u32(dib, 8))};
    const uint32_t bits = u16(dib, core ? 10 : 14);
    const uint32_t compression = core ? kRgb : u32(dib, 16);
    const uint32_t compressedBytes = core ? 0 : u32(dib, 20);
    const uint32_t colorsUsed = core ? 0 : u32(dib, 32);
    const bool runLength = compression == kRle8 || compression == kRle4;
    if (width <= 0 || height == 0 || !knownBitCount(bits) || compression > kBitFields ||
        (runLength && compressedBytes == 0)) {
        return std::nullopt;
    }

    uint64_t paletteEntries = 0;
    if (bits <= 8) paletteEntries = colorsUsed != 0 ? colorsUsed : uint64_t{1} << bits;
    const uint64_t masks = compression == kBitFields && headerSize == kInfoHeaderSize ? 12 : 0;
    return DibLayout{.headerAndPalette = headerSize + masks + paletteEntries * (core ? 3 : 4),
                     .rowBytes = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4,
                     .rows = static_cast<uint64_t>(std::llabs(height)),
                     .compressedBytes = runLength ? compressedBytes : 0};
}

bool HoldsRows(uint64_t available, uint64_t rowBytes, uint64_t rows) {
    return rows == 0 || available / rows >= rowBytes;
}

bool BitmapFileIsComplete(std::string_view bytes) {
    if (bytes.size() < kFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const std::optional<DibLayout> dib = ReadDibHeader(bytes.substr(kFileHeaderSize));
    if (!dib) return false;
    const uint64_t pixels = u32(bytes, 10);
    if (pixels < kFileHeaderSize + dib->headerAndPalette || pixels >= bytes.size()) return false;
    const uint64_t available = bytes.size() - pixels;
    if (dib->compressedBytes != 0) return available >= dib->compressedBytes;
    return HoldsRows(available, dib->rowBytes, dib->rows);
}
