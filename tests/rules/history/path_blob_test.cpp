#include <gtest/gtest.h>

#include <limits>

#include "rules/history/PathBlob.h"

using namespace std::string_literals;

namespace {

constexpr int32_t kMost = std::numeric_limits<int32_t>::max();
constexpr int32_t kLeast = std::numeric_limits<int32_t>::min();

}  // namespace

TEST(PathBlob, EveryPathAndDrawReadsBackExactly) {
    const std::vector<std::vector<Point>> paths = {
        {},
        {{180, 180}},
        {{180, 180}, {179, 181}, {174, 186}, {185, 175}, {186, 174}, {-3, 300}},
        {{kMost, kLeast}, {kLeast, kMost}, {0, 0}},
    };
    for (const std::vector<Point>& path : paths) {
        const DecodedPath back = DecodePath(EncodePath(path));
        EXPECT_TRUE(back.whole) << path.size();
        EXPECT_EQ(back.points, path);
    }
    const std::vector<std::vector<int32_t>> draws = {
        {}, {-5}, {-5, -10, -15, -20, -19, -18, 0, 0, 0}, {kMost, kLeast, kMost}};
    for (const std::vector<int32_t>& draw : draws) {
        const DecodedDraw back = DecodeDraw(EncodeDraw(draw));
        EXPECT_TRUE(back.whole) << draw.size();
        EXPECT_EQ(back.lefts, draw);
    }
}

TEST(PathBlob, CutOrForeignBlobsReadAsNotWhole) {
    const std::string path = EncodePath({{180, 180}, {179, 181}, {100, 300}});
    const std::string draw = EncodeDraw({-5, -10, -20, -20});
    for (std::size_t size = 1; size < path.size(); ++size)
        EXPECT_FALSE(DecodePath(path.substr(0, size)).whole) << size;
    for (std::size_t size = 1; size < draw.size(); ++size)
        EXPECT_FALSE(DecodeDraw(draw.substr(0, size)).whole) << size;
    EXPECT_FALSE(DecodePath(path + "\x01"s).whole);
    EXPECT_FALSE(DecodeDraw(draw + "\x01"s).whole);
    // The old form, read as if it were the new one, and a later format.
    EXPECT_FALSE(DecodePath("\xB4\x00\xB5\x00"s).whole);
    EXPECT_FALSE(DecodeDraw("\x02\x01\x00"s).whole);
    EXPECT_TRUE(DecodePath(""s).whole);  // no aim recorded
}

TEST(PathBlob, OldBlobsCompactToTheirWholeValuesAndStayCutWhenCut) {
    struct Case {
        std::string legacy;
        std::vector<Point> points;
        bool whole;
    };
    for (const Case& c :
         {Case{"\x01\x00\xFE\xFF\x2C\x01\xFF\x7F"s, {{1, -2}, {300, 32767}}, true},
          Case{"\x01\x00\xFE\xFF\x2C"s, {{1, -2}}, false}, Case{"\x01"s, {}, false}}) {
        const DecodedPath path = DecodePath(CompactLegacyPath(c.legacy));
        EXPECT_EQ(path.points, c.points) << c.legacy.size();
        EXPECT_EQ(path.whole, c.whole) << c.legacy.size();
    }
    const DecodedDraw draw = DecodeDraw(CompactLegacyDraw("\x06\xFF\x01\xFF"s));
    EXPECT_EQ(draw.lefts, (std::vector<int32_t>{-250, -255}));
    EXPECT_TRUE(draw.whole);
    const DecodedDraw cut = DecodeDraw(CompactLegacyDraw("\x06\xFF\x01"s));
    EXPECT_EQ(cut.lefts, (std::vector<int32_t>{-250}));
    EXPECT_FALSE(cut.whole);
}
