#include "rules/formats/IconHeader.h"

#include "rules/formats/BitmapHeader.h"

namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr int32_t kPreferredSide = 32;

uint32_t readUInt16LE(std::string_view bytes, std::size_t offset) {
    return static_cast<unsigned char>(bytes[offset]) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + 1])) << 8;
}

uint32_t readUInt32LE(std::string_view bytes, std::size_t offset) {
    return readUInt16LE(bytes, offset) | readUInt16LE(bytes, offset + 2) << 16;
}

// Whether the picture at `image` holds all its pixels: a PNG picture is checked by its reader,
// a bitmap picture must hold the colour rows of its upper half (the lower half is the mask).
bool pictureIsComplete(std::string_view bytes, const IconImage& image) {
    const std::string_view picture = bytes.substr(image.offset);
    if (picture.starts_with("\x89PNG")) return true;
    const std::optional<DibLayout> dib = ReadDibHeader(picture);
    if (!dib || dib->compressedBytes != 0 || dib->headerAndPalette > picture.size()) return false;
    return HoldsRows(picture.size() - dib->headerAndPalette, dib->rowBytes, dib->rows / 2);
}

// The directory stores 256 as 0.
int32_t side(unsigned char stored) {
    return stored == 0 ? 256 : stored;
}

}  // namespace

std::optional<std::vector<IconImage>> ReadIconDirectory(std::string_view bytes) {
    if (bytes.size() < kHeaderSize) return std::nullopt;
    const uint32_t reserved = readUInt16LE(bytes, 0);
    const uint32_t type = readUInt16LE(bytes, 2);
    const uint32_t count = readUInt16LE(bytes, 4);
    if (reserved != 0 || (type != 0 && type != 1) || count == 0) return std::nullopt;
    const std::size_t directoryEnd = kHeaderSize + kEntrySize * count;
    if (bytes.size() < directoryEnd) return std::nullopt;

    std::vector<IconImage> images;
    images.reserve(count);
    for (std::size_t entry = kHeaderSize; entry < directoryEnd; entry += kEntrySize) {
        IconImage image{.width = side(static_cast<unsigned char>(bytes[entry])),
                        .height = side(static_cast<unsigned char>(bytes[entry + 1])),
                        .offset = readUInt32LE(bytes, entry + 12),
                        .size = readUInt32LE(bytes, entry + 8)};
        const uint64_t end = uint64_t{image.offset} + image.size;
        if (image.size == 0 || image.offset < directoryEnd || end > bytes.size() ||
            !pictureIsComplete(bytes, image)) {
            return std::nullopt;
        }
        images.push_back(image);
    }
    return images;
}

std::size_t PreferredIconImage(const std::vector<IconImage>& images) {
    for (std::size_t i = 0; i < images.size(); ++i) {
        if (images[i].width == kPreferredSide && images[i].height == kPreferredSide) return i;
    }
    return 0;
}
