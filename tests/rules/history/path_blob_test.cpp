#include <gtest/gtest.h>

#include "rules/history/PathBlob.h"

using namespace std::string_literals;

TEST(PathBlob, PathBytesAreLittleEndianSignedPairs) {
    const std::string bytes = EncodePath({{1, -2}, {300, 40000}});
    // 1, -2, 300, and 40000 clamped to 32767
    EXPECT_EQ(bytes, std::string("\x01\x00\xFE\xFF\x2C\x01\xFF\x7F", 8));
    const DecodedPath back = DecodePath(bytes);
    EXPECT_TRUE(back.whole);
    EXPECT_EQ(back.points, (std::vector<Point>{{1, -2}, {300, 32767}}));
}

TEST(PathBlob, DrawRoundTripsAndShortBytesKeepWhatIsWhole) {
    const std::vector<int32_t> lefts = {-5, -55, -250, -32768};
    EXPECT_EQ(DecodeDraw(EncodeDraw(lefts)).lefts, lefts);

    struct Case {
        std::string bytes;
        std::size_t points;
        bool whole;
    };
    for (const Case& c :
         {Case{""s, 0, true}, Case{"\x01"s, 0, false}, Case{"\x01\x00\x02"s, 0, false},
          Case{"\x01\x00\x02\x00\x03"s, 1, false}}) {
        const DecodedPath path = DecodePath(c.bytes);
        EXPECT_EQ(path.points.size(), c.points) << c.bytes.size();
        EXPECT_EQ(path.whole, c.whole) << c.bytes.size();
    }
    EXPECT_FALSE(DecodeDraw("\x01\x00\x02"s).whole);
    EXPECT_EQ(DecodeDraw("\x01\x00\x02"s).lefts, (std::vector<int32_t>{1}));
}
