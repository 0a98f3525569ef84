#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The size of a device-independent bitmap as its own header declares it. Bitmap files and the
// pictures inside icons both start with one.
struct DibLayout {
    uint64_t headerAndPalette = 0;  // bytes before the first row of pixels
    uint64_t rowBytes = 0;          // one row, padded to four bytes
    uint64_t rows = 0;              // as declared; an icon stores its mask below the picture
    uint64_t compressedBytes = 0;   // run-length pixels: their declared size; 0 when plain
};

// Whether `available` bytes hold `rows` rows of `rowBytes` each, without overflowing.
bool HoldsRows(uint64_t available, uint64_t rowBytes, uint64_t rows);

// Nothing when the bytes do not start with a header the game can read: the old 12-byte header or
// a 40-byte or longer one, a positive width, a non-zero height, 1, 4, 8, 16, 24 or 32 bits per
// pixel, and plain, bit-field or run-length pixels (these with their size declared).
std::optional<DibLayout> ReadDibHeader(std::string_view dib);

// Whether a ".bmp" file starts "BM" and holds every row of pixels its header declares. A file cut
// short must be refused rather than shown with a blank part.
bool BitmapFileIsComplete(std::string_view bytes);
