#include "rules/handicap/Handicap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Distances = std::vector<HandicapDistance>;

Distances Single(int32_t metres, int32_t arrows = 36) {
    return {{metres, metres >= 60 ? 122 : 80, arrows}};
}

// The outdoor rounds the game's rounds follow: 36 arrows at each distance.
const Distances kMensFull = {{90, 122, 36}, {70, 122, 36}, {50, 80, 36}, {30, 80, 36}};
const Distances kSeventyMetres720 = Single(70, 72);

struct TableRow {
    const char* source;
    Distances distances;
    int64_t score;
    int32_t handicap;
};

// Handicaps for scores of the scheme's outdoor tables, as the archeryutils project checks them
// against the published tables, and, for single distances of 36 arrows, values computed from
// the published formulas by a separate script.
const std::vector<TableRow> kTable = {
    {"1440 from 90 m", kMensFull, 850, 52},
    {"720 at 70 m", kSeventyMetres720, 700, 1},
    {"720 at 70 m", kSeventyMetres720, 500, 44},
    {"720 at 70 m, lower bound", kSeventyMetres720, 283, 63},
    {"720 at 70 m, upper bound", kSeventyMetres720, 486, 46},
    {"720 at 70 m, below the range", kSeventyMetres720, 710, 0},
    {"90 m", Single(90), 323, 10},
    {"90 m", Single(90), 322, 11},
    {"90 m", Single(90), 18, 90},
    {"70 m", Single(70), 345, 5},
    {"70 m", Single(70), 311, 25},
    {"60 m", Single(60), 285, 40},
    {"60 m", Single(60), 25, 100},
    {"50 m", Single(50), 189, 55},
    {"50 m", Single(50), 188, 56},
    {"30 m", Single(30), 200, 70},
    {"30 m", Single(30), 14, 120},
    {"30 m, a full score", Single(30), 360, 0},
    {"90 m, a single point", Single(90), 1, 133},
    {"30 m, worse than the range", Single(30), 1, 150},
};

TEST(Handicap, MatchesTheSchemeTables) {
    for (const TableRow& row : kTable) {
        EXPECT_EQ(HandicapForScore(row.score, row.distances), row.handicap)
            << row.source << ", score " << row.score;
    }
}

TEST(Handicap, ArrowScoreOfTheSchemeReference) {
    // 80 cm face at 50 m, handicap 38: the value archeryutils freezes for the 2023 scheme.
    EXPECT_NEAR(ExpectedArrowScore(38.0, 50, 80), 7.547210123, 1e-8);
}

TEST(Handicap, ScoresWithoutAHandicap) {
    const Distances thirty = Single(30);
    EXPECT_FALSE(HandicapForScore(0, thirty));
    EXPECT_FALSE(HandicapForScore(-5, thirty));
    EXPECT_FALSE(HandicapForScore(361, thirty));
    EXPECT_FALSE(HandicapForScore(100, Distances{}));
}

TEST(Handicap, ExpectedScoresFallAsTheHandicapGrows) {
    for (int32_t metres : {90, 70, 60, 50, 30}) {
        const Distances d = Single(metres);
        for (int32_t h = kBestHandicap + 1; h <= kWorstHandicap; ++h) {
            ASSERT_LT(ExpectedScore(h, d), ExpectedScore(h - 1, d)) << metres << " m, " << h;
            ASSERT_LE(TableScore(h, d), TableScore(h - 1, d)) << metres << " m, " << h;
        }
        // Farther is harder on the same face.
        EXPECT_LT(ExpectedScore(40, Single(70)), ExpectedScore(40, Single(60)));
    }
}

TEST(Handicap, ScoresAndHandicapsRoundTrip) {
    for (int32_t metres : {90, 70, 60, 50, 30}) {
        const Distances d = Single(metres);
        for (int64_t score = 1; score <= 360; ++score) {
            const int32_t h = HandicapForScore(score, d).value();
            // The score reaches its handicap's table score, and not the next better one's.
            if (h < kWorstHandicap) {
                ASSERT_LE(TableScore(h, d), score) << metres << " m";
            }
            if (h > kBestHandicap) {
                ASSERT_GT(TableScore(h - 1, d), score) << metres << " m";
            }
        }
        for (int32_t h = kBestHandicap; h <= kWorstHandicap; ++h) {
            const int32_t score = TableScore(h, d);
            if (score > 0) {
                ASSERT_LE(HandicapForScore(score, d).value(), h) << metres << " m";
            }
        }
    }
}

}  // namespace
