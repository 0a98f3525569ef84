#include <gtest/gtest.h>

#include <string>

#include "rules/results/Listing.h"
#include "rules/match/Ranking.h"
#include "rules/results/RecordingPage.h"
#include "rules/results/Results.h"
#include "support/MemoryFileStore.h"

namespace {

const std::string kMenHeader =
    "Po\xf8. P\xf8\xedjmen\xed, jm\xe9no                90   70   50   30   H.   10   9    Celkem";
const std::string kWomenHeader =
    "Po\xf8. P\xf8\xedjmen\xed, jm\xe9no                70   60   50   30   H.   10   9    Celkem";

CompetitorRecord named(const std::string& name) {
    return {.Name = name};
}

// The text of a line between two columns, counted from 1 as the table gives them.
std::string columns(const std::string& line, std::size_t first, std::size_t last) {
    return line.substr(first - 1, last - first + 1);
}

}  // namespace

TEST(Listing, HeadersAreTheGendersColumnHeadsByteForByte) {
    EXPECT_EQ(ListingHeader(*findRound(1)), kMenHeader);
    EXPECT_EQ(ListingHeader(*findRound(3)), kMenHeader);
    EXPECT_EQ(ListingHeader(*findRound(2)), kWomenHeader);
    EXPECT_EQ(ListingHeader(*findRound(4)), kWomenHeader);
    EXPECT_EQ(kMenHeader.size(), kListingHeaderLength);
    // Each head starts in the column of its field.
    EXPECT_EQ(columns(kMenHeader, 6, 13), "P\xf8\xedjmen\xed");
    EXPECT_EQ(columns(kMenHeader, 37, 38), "90");
    EXPECT_EQ(columns(kMenHeader, 42, 43), "70");
    EXPECT_EQ(columns(kWomenHeader, 42, 43), "60");
    EXPECT_EQ(columns(kMenHeader, 57, 58), "H.");
    EXPECT_EQ(columns(kMenHeader, 67, 68), "9 ");
    EXPECT_EQ(columns(kMenHeader, 72, 77), "Celkem");
}

TEST(Listing, FullRoundLineHasEveryFieldAtItsStop) {
    ScoreRecord s{.Tens = 21,
                  .Nines = 30,
                  .Misses = 3,
                  .Score30 = 340,
                  .Score50 = 310,
                  .Score60 = 5,
                  .Score70 = 290,
                  .Score90 = 250};
    std::string men = ListingLine(7, named("Nov\xe1k, Jan"), s, *findRound(3));
    EXPECT_EQ(men,
              "7.   Nov\xe1k, Jan                     250  290  310  340  141  21   30   1190 ");
    std::string women = ListingLine(7, named("Nov\xe1k, Jan"), s, *findRound(4));
    EXPECT_EQ(columns(women, 37, 46), "290  5    ");
    EXPECT_EQ(columns(women, 72, 76), "945  ");
}

TEST(Listing, ShortRoundShowsZeroInTheLongDistancesAndHitsOf72) {
    ScoreRecord s{
        .Misses = 4, .Score30 = 200, .Score50 = 150, .Score60 = 9, .Score70 = 9, .Score90 = 9};
    std::string men = ListingLine(1, named("A"), s, *findRound(1));
    EXPECT_EQ(columns(men, 37, 76), "9    9    150  200  68   0    0    350  ");
    std::string women = ListingLine(1, named("A"), s, *findRound(2));
    EXPECT_EQ(columns(women, 37, 46), "9    9    ");
    EXPECT_EQ(columns(women, 57, 61), "68   ");
}

TEST(Listing, TextsThatPassTheirStopAreCutAndEveryLineIs76Bytes) {
    const std::string thirty(30, 'X');
    std::string line = ListingLine(150, named(thirty), ScoreRecord{}, *findRound(3));
    EXPECT_EQ(line.size(), kListingLineLength);
    EXPECT_EQ(columns(line, 1, 5), "150. ");
    EXPECT_EQ(columns(line, 6, 36), thirty + " ");
    EXPECT_EQ(columns(line, 57, 61), "144  ");

    // Numbers are signed and, like an over-long name, stop at their column.
    ScoreRecord odd{.Tens = -5, .Misses = 200, .Score90 = -2147483647 - 1};
    line = ListingLine(12345, named(std::string(40, 'Y')), odd, *findRound(3));
    EXPECT_EQ(line.size(), kListingLineLength);
    EXPECT_EQ(columns(line, 1, 5), "12345");
    EXPECT_EQ(columns(line, 6, 36), std::string(31, 'Y'));
    EXPECT_EQ(columns(line, 37, 41), "-2147");
    EXPECT_EQ(columns(line, 57, 66), "-56  -5   ");
}

TEST(Listing, RebuildListsNamedEntriesWithConsecutiveRanksAfterTheHeader) {
    MatchState state;
    state.RoundType = 2;
    state.Competitors[5].Name = "Only";
    state.Scores[5].Score30 = 3;
    state.Scores[2].Score30 = 300;  // a free slot ranked first is not listed
    state.Competitors[9].Name = "Second";
    MemoryFileStore files;
    RecordTable records;
    RecordingPage page;
    RankCompetitors(state);
    RebuildResults(state, records, files, page);
    ASSERT_EQ(page.lines.size(), 4u);
    EXPECT_EQ(page.lines[0], kWomenHeader);
    EXPECT_EQ(page.lines[1], " ");
    EXPECT_EQ(columns(page.lines[2], 1, 10), "1.   Only ");
    EXPECT_EQ(columns(page.lines[3], 1, 12), "2.   Second ");
    EXPECT_EQ(page.clears, 1);
}

TEST(Listing, FullFieldEndsWithRank150AndEveryLineAt76) {
    MatchState state;
    state.RoundType = 3;
    state.Distance = 70;
    for (int i = 0; i < kCompetitorSlots; ++i) {
        state.Competitors[i].Name = std::string(30, static_cast<char>('A' + i % 26));
        state.Scores[i].Score90 = i;
        state.Scores[i].Misses = i % 7;
    }
    MemoryFileStore files;
    RecordTable records;
    RecordingPage page;
    RankCompetitors(state);
    RebuildResults(state, records, files, page);
    ASSERT_EQ(page.lines.size(), 152u);
    for (std::size_t i = 2; i < page.lines.size(); ++i) {
        ASSERT_EQ(page.lines[i].size(), kListingLineLength) << i;
        std::string rank = std::to_string(i - 1) + ".";
        rank.resize(5, ' ');
        EXPECT_EQ(page.lines[i].substr(0, 5), rank);
    }
    // The best 90 m score leads (149 % 7 = 2 misses); after one distance it is the total.
    EXPECT_EQ(columns(page.lines[2], 37, 61), "149  0    0    0    142  ");
    EXPECT_EQ(columns(page.lines[2], 72, 76), "149  ");
    EXPECT_EQ(columns(page.lines[151], 37, 41), "0    ");
}

TEST(Listing, ExportEndsEveryLineWithCrLfAndKeepsTrailingBlanks) {
    EXPECT_EQ(ExportText({"a  ", " ", ""}), "a  \r\n \r\n\r\n");
    EXPECT_EQ(ExportText({}), "");
}
