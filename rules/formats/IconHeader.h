#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// One picture of an ".ico" file as its directory lists it.
struct IconImage {
    int32_t width = 0;  // 1 .. 256
    int32_t height = 0;
    uint32_t offset = 0;  // of the picture's bytes in the file
    uint32_t size = 0;
};

// The directory of an icon file, or nothing when the bytes are not a complete icon: the header
// must declare an icon (reserved field 0, type 1, or 0 for the old stock icons; a cursor is
// type 2, a bitmap starts "BM"), list at least one picture, and every listed picture must lie
// wholly in the file behind the directory with all the pixel rows its own header declares, so
// a cut-off file never shows half a picture.
std::optional<std::vector<IconImage>> ReadIconDirectory(std::string_view bytes);

// Which picture the game shows: the first one of the sight's 32 x 32, else the first listed.
std::size_t PreferredIconImage(const std::vector<IconImage>& images);
