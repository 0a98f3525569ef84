#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "rules/formats/BitmapHeader.h"
#include "rules/formats/IconHeader.h"

namespace {

void put16(std::string& out, uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8 & 0xFF));
}

void put32(std::string& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

uint32_t rowBytes(uint32_t width, uint32_t bits) {
    return (width * bits + 31) / 32 * 4;
}

// A 40-byte bitmap header, its palette and `rows` rows of pixels.
std::string dib(int32_t width, int32_t height, uint32_t bits, uint32_t rows) {
    std::string out;
    put32(out, 40);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));
    put16(out, 1);
    put16(out, bits);
    put32(out, 0);  // plain pixels
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);  // full palette
    put32(out, 0);
    if (bits <= 8) out.append(4u << bits, '\x7F');
    out.append(rowBytes(static_cast<uint32_t>(width), bits) * rows, '\x55');
    return out;
}

struct Picture {
    uint8_t side;  // 0 stands for 256
    std::string bytes;
};

std::string icon(const std::vector<Picture>& pictures, uint32_t type = 1) {
    std::string out;
    put16(out, 0);
    put16(out, type);
    put16(out, static_cast<uint32_t>(pictures.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(pictures.size());
    for (const Picture& picture : pictures) {
        out.push_back(static_cast<char>(picture.side));
        out.push_back(static_cast<char>(picture.side));
        out.append(2, '\0');
        put16(out, 1);
        put16(out, 32);
        put32(out, static_cast<uint32_t>(picture.bytes.size()));
        put32(out, offset);
        offset += static_cast<uint32_t>(picture.bytes.size());
    }
    for (const Picture& picture : pictures) out += picture.bytes;
    return out;
}

// Colour rows and mask rows, as an icon stores them.
Picture iconPicture(int32_t side, uint32_t bits = 32) {
    std::string bytes = dib(side, 2 * side, bits, static_cast<uint32_t>(side));
    bytes.append(rowBytes(static_cast<uint32_t>(side), 1) * static_cast<uint32_t>(side), '\0');
    return {static_cast<uint8_t>(side & 0xFF), bytes};
}

std::string bitmapFile(const std::string& body, uint32_t pixelOffset) {
    std::string out = "BM";
    put32(out, static_cast<uint32_t>(14 + body.size()));
    put32(out, 0);
    put32(out, pixelOffset);
    return out + body;
}

std::string bitmap(int32_t width, int32_t height, uint32_t bits) {
    const std::string body = dib(width, height, bits, static_cast<uint32_t>(std::abs(height)));
    const uint32_t palette = bits <= 8 ? 4u << bits : 0;
    return bitmapFile(body, 14 + 40 + palette);
}

TEST(IconHeader, ReadsTheDirectoryOfACompleteIcon) {
    const auto images = ReadIconDirectory(icon({iconPicture(16, 4), iconPicture(32)}));
    ASSERT_TRUE(images);
    ASSERT_EQ(images->size(), 2u);
    EXPECT_EQ((*images)[0].width, 16);
    EXPECT_EQ((*images)[1].height, 32);
    EXPECT_EQ((*images)[0].offset, 6u + 2 * 16);
    EXPECT_EQ((*images)[1].offset, (*images)[0].offset + (*images)[0].size);
}

TEST(IconHeader, AcceptsStockIconsAndRefusesCursorsBitmapsAndEmptyDirectories) {
    EXPECT_TRUE(ReadIconDirectory(icon({iconPicture(32)}, 0)));
    EXPECT_FALSE(ReadIconDirectory(icon({iconPicture(32)}, 2)));
    EXPECT_FALSE(ReadIconDirectory(icon({iconPicture(32)}, 3)));
    EXPECT_FALSE(ReadIconDirectory(icon({})));
    EXPECT_FALSE(ReadIconDirectory(bitmap(32, 32, 24)));
    std::string reserved = icon({iconPicture(32)});
    reserved[1] = 1;
    EXPECT_FALSE(ReadIconDirectory(reserved));
    EXPECT_FALSE(ReadIconDirectory(""));
    EXPECT_FALSE(ReadIconDirectory(std::string("\0\0\1\0\1", 5)));
}

TEST(IconHeader, RefusesAnIconCutShortAnywhere) {
    const std::string whole = icon({iconPicture(32), iconPicture(16, 8)});
    ASSERT_TRUE(ReadIconDirectory(whole));
    for (std::size_t size = 0; size < whole.size(); ++size) {
        EXPECT_FALSE(ReadIconDirectory(whole.substr(0, size))) << "cut to " << size;
    }
}

TEST(IconHeader, RefusesPicturesThatDoNotHoldWhatTheirHeadersDeclare) {
    // The directory's size fits the file, but the bitmap claims more rows than it carries.
    Picture tall = iconPicture(32);
    tall.bytes[9] = 1;  // 64 + 256 rows
    EXPECT_FALSE(ReadIconDirectory(icon({tall})));
    // A picture placed over the directory itself.
    std::string overlapping = icon({iconPicture(32)});
    overlapping[18] = 0;
    EXPECT_FALSE(ReadIconDirectory(overlapping));
    // Not a bitmap header at all.
    EXPECT_FALSE(ReadIconDirectory(icon({{32, std::string(200, '\x11')}})));
}

TEST(IconHeader, TakesLargeAndPngPictures) {
    const auto large = ReadIconDirectory(icon({iconPicture(256)}));
    ASSERT_TRUE(large);
    EXPECT_EQ((*large)[0].width, 256);
    EXPECT_TRUE(ReadIconDirectory(icon({{0, std::string("\x89PNG\r\n\x1A\n", 8) + "data"}})));
}

TEST(IconHeader, PrefersTheSightsOwnSize) {
    auto sized = [](std::initializer_list<int32_t> sides) {
        std::vector<IconImage> images;
        for (int32_t side : sides) images.push_back({.width = side, .height = side});
        return images;
    };
    EXPECT_EQ(PreferredIconImage(sized({16, 48, 32, 32})), 2u);
    EXPECT_EQ(PreferredIconImage(sized({256, 16})), 0u);
    EXPECT_EQ(PreferredIconImage(sized({64})), 0u);
}

TEST(BitmapHeader, AcceptsCompleteBitmapsOfEveryDepthAndOrientation) {
    for (uint32_t bits : {1u, 4u, 8u, 16u, 24u, 32u}) {
        EXPECT_TRUE(BitmapFileIsComplete(bitmap(3, 2, bits))) << bits << " bits";
    }
    EXPECT_TRUE(BitmapFileIsComplete(bitmap(250, -250, 24)));

    std::string core;  // the old 12-byte header with a three-byte palette
    put32(core, 12);
    put16(core, 9);
    put16(core, 3);
    put16(core, 1);
    put16(core, 1);
    core.append(2 * 3, '\0');
    core.append(3 * 4, '\x0F');
    EXPECT_TRUE(BitmapFileIsComplete(bitmapFile(core, 14 + 12 + 6)));
}

TEST(BitmapHeader, RefusesABitmapCutShortAnywhere) {
    const std::string whole = bitmap(3, 2, 24);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        EXPECT_FALSE(BitmapFileIsComplete(whole.substr(0, size))) << "cut to " << size;
    }
}

TEST(BitmapHeader, RefusesHeadersItCannotTrust) {
    EXPECT_FALSE(BitmapFileIsComplete(bitmap(0, 2, 24)));
    EXPECT_FALSE(BitmapFileIsComplete(bitmap(3, 0, 24)));
    EXPECT_FALSE(BitmapFileIsComplete(bitmap(3, 2, 7)));
    EXPECT_FALSE(BitmapFileIsComplete(icon({iconPicture(32)})));
    // Sizes that would overflow a naive product, over a file of a few bytes.
    EXPECT_FALSE(BitmapFileIsComplete(
        bitmapFile(dib(0x7FFFFFFF, 0x7FFFFFFF, 32, 0) + std::string(64, 0), 54)));
    // Pixels said to start inside the header.
    std::string early = bitmap(3, 2, 24);
    early[10] = 20;
    EXPECT_FALSE(BitmapFileIsComplete(early));
    // Run-length pixels without their size, or with more than the file holds.
    std::string runLength = bitmap(4, 4, 8);
    runLength[14 + 16] = 1;
    EXPECT_FALSE(BitmapFileIsComplete(runLength));
    runLength[14 + 20] = 16;
    EXPECT_TRUE(BitmapFileIsComplete(runLength));
    runLength[14 + 21] = 1;
    EXPECT_FALSE(BitmapFileIsComplete(runLength));
    std::string oddHeader = bitmap(3, 2, 24);
    oddHeader[14] = 20;
    EXPECT_FALSE(BitmapFileIsComplete(oddHeader));
}

}  // namespace
