#include <gtest/gtest.h>

#include <vector>

#include "rules/history/HitSelection.h"

namespace {

const Utf8Text kJiri = u8"Jiří Šťastný";
const Utf8Text kEva = u8"Eva";

ArrowRecord Arrow(int64_t match, const Utf8Text& archer, int32_t distance, int32_t end,
                  int32_t arrowNo) {
    ArrowRecord a;
    a.matchId = match;
    a.archer = archer;
    a.distance = distance;
    a.endNo = end;
    a.arrowNo = arrowNo;
    return a;
}

// Three matches whose ids run against their start; the third began in the hour that is
// repeated when summer time ends, and so comes after the second however the text sorts.
const std::vector<MatchRecord> kMatches = {
    {30, "2026-10-25T02:10:00+01:00", {}, 3, 1, 1, 1},
    {20, "2026-10-25T02:50:00+02:00", {}, 3, 1, 1, 1},
    {10, "2026-10-24T18:00:00+02:00", {}, 3, 1, 1, 1},
};

// Given out of order on purpose.
const std::vector<ArrowRecord> kArrows = {
    Arrow(30, kJiri, 70, 1, 1), Arrow(20, kJiri, 70, 2, 1), Arrow(20, kJiri, 70, 1, 2),
    Arrow(20, kJiri, 70, 1, 1), Arrow(10, kJiri, 70, 1, 1), Arrow(20, kEva, 70, 1, 1),
    Arrow(20, kJiri, 90, 1, 1), Arrow(99, kJiri, 70, 1, 1),
};

}  // namespace

TEST(HitSelection, InstantsAreReadWithTheirOffset) {
    EXPECT_EQ(ParseInstant("1970-01-01T00:00:00Z"), 0);
    EXPECT_EQ(ParseInstant("2000-03-01T00:00:00Z"), 951868800);
    EXPECT_EQ(ParseInstant("2000-03-01T02:00:00+02:00"), 951868800);
    EXPECT_EQ(ParseInstant("2000-02-29T23:30:00.250-00:30"), 951868800);
    for (const char* bad : {"", "2000-03-01", "2000-03-01T00:00:00", "2000-13-01T00:00:00Z",
                            "2000-03-01T00:00:00+2:00", "2000-03-01T00:00:00Zx", "nikdy"}) {
        EXPECT_FALSE(ParseInstant(bad).has_value()) << bad;
    }
}

TEST(HitSelection, MatchesAreOrderedByTheMomentTheyStarted) {
    std::vector<MatchRecord> matches = kMatches;
    matches.push_back({40, "nezn\xc3\xa1mo", {}, 3, 1, 1, 1});
    EXPECT_EQ(MatchesByStart(matches), (std::vector<int64_t>{40, 10, 20, 30}));
    EXPECT_EQ(MatchesOf(kMatches, kArrows, kJiri), (std::vector<int64_t>{10, 20, 30, 99}));
    EXPECT_EQ(MatchesOf(kMatches, kArrows, kEva), (std::vector<int64_t>{20}));
}

TEST(HitSelection, SelectionsKeepOneArcherInShootingOrder) {
    EXPECT_EQ(SelectEnd(kMatches, kArrows, kJiri, 20, 70, 1), (std::vector<std::size_t>{3, 2}));
    EXPECT_EQ(SelectMatchDistance(kMatches, kArrows, kJiri, 20, 70),
              (std::vector<std::size_t>{3, 2, 1}));
    EXPECT_EQ(SelectArcherDistance(kMatches, kArrows, kJiri, 70, std::nullopt),
              (std::vector<std::size_t>{4, 3, 2, 1, 0, 7}));
    EXPECT_EQ(SelectArcherDistance(kMatches, kArrows, kJiri, 90, std::nullopt),
              (std::vector<std::size_t>{6}));
    EXPECT_TRUE(SelectEnd(kMatches, kArrows, kEva, 30, 70, 1).empty());
}

TEST(HitSelection, LastMatchesCountMatchesNotArrows) {
    const std::vector<std::size_t> all = {4, 3, 2, 1, 0};
    const std::vector<ArrowRecord> listed(kArrows.begin(), kArrows.end() - 1);
    EXPECT_EQ(SelectArcherDistance(kMatches, listed, kJiri, 70, 1), (std::vector<std::size_t>{0}));
    EXPECT_EQ(SelectArcherDistance(kMatches, listed, kJiri, 70, 2),
              (std::vector<std::size_t>{3, 2, 1, 0}));
    EXPECT_EQ(SelectArcherDistance(kMatches, listed, kJiri, 70, 3), all);
    EXPECT_EQ(SelectArcherDistance(kMatches, listed, kJiri, 70, 50), all);
    EXPECT_TRUE(SelectArcherDistance(kMatches, listed, kJiri, 70, 0).empty());
}

TEST(HitSelection, ChoicesOfferedForAnArcher) {
    EXPECT_EQ(ArchersIn(kArrows), (std::vector<Utf8Text>{kEva, kJiri}));
    EXPECT_EQ(DistancesOf(kArrows, kJiri, std::nullopt), (std::vector<int32_t>{90, 70}));
    EXPECT_EQ(DistancesOf(kArrows, kJiri, 30), (std::vector<int32_t>{70}));
    EXPECT_EQ(EndsOf(kArrows, kJiri, 20, 70), (std::vector<int32_t>{1, 2}));
}

TEST(HitSelection, ArrowsByTheWindTheyWereShotIn) {
    std::vector<ArrowRecord> arrows(kArrows.begin(), kArrows.begin() + 4);
    arrows[1].windSpeed = 1;
    arrows[3].windSpeed = 43;
    arrows[2].windFrom = 90;  // a direction alone is no wind
    const std::vector<std::size_t> all = {3, 2, 1, 0};
    const std::pair<WindShown, std::vector<std::size_t>> cases[] = {
        {WindShown::All, all}, {WindShown::Calm, {2, 0}}, {WindShown::Windy, {3, 1}}};
    for (const auto& [shown, kept] : cases) {
        std::vector<std::size_t> selection = all;
        KeepWindShown(selection, arrows, shown);
        EXPECT_EQ(selection, kept) << static_cast<int>(shown);
    }
}
