#include <gtest/gtest.h>

#include <string>

#include "rules/match/Ranking.h"
#include "rules/results/RecordingPage.h"
#include "rules/results/RecordsUpdate.h"
#include "rules/results/Results.h"
#include "support/MemoryFileStore.h"

namespace {

const std::string kAt90 = "M\xe1te nejvy\x9a\x9a\xed v\xfdsledek na 90 metr\xf9 !";
const std::string kAt70 = "M\xe1te nejvy\x9a\x9a\xed v\xfdsledek na 70 metr\xf9 !";
const std::string kAt60 = "M\xe1te nejvy\x9a\x9a\xed v\xfdsledek na 60 metr\xf9 !";
const std::string kAt50 = "M\xe1te nejvy\x9a\x9a\xed v\xfdsledek na 50 metr\xf9 !";
const std::string kAt30 = "M\xe1te nejvy\x9a\x9a\xed v\xfdsledek na 30 metr\xf9 !";
const std::string kTotal = "M\xe1te nejvy\x9a\x9a\xed v\xfdsledek !";

struct Fixture {
    MatchState state;
    RecordTable records;
    MemoryFileStore files;
    RecordingPage page;

    Fixture(int32_t roundType, int32_t distance) {
        state.RoundType = roundType;
        state.Distance = distance;
    }
    ScoreRecord& human(int slot, const std::string& name) {
        state.Competitors[slot].Name = name;
        state.Competitors[slot].IsComputer = false;
        return state.Scores[slot];
    }
    ScoreRecord& computer(int slot, const std::string& name) {
        state.Competitors[slot].Name = name;
        return state.Scores[slot];
    }
    void storeRecords(const RecordTable& stored) {
        files.files[kRecordsFile] = EncodeRecords(stored);
    }
    RecordTable fileRecords() const {
        RecordTable read;
        EXPECT_EQ(DecodeRecords(files.files.at(kRecordsFile), read), FileResult::Done);
        return read;
    }
    // The results view of the ranking that the end of a distance makes.
    void rebuild() {
        RankCompetitors(state);
        RebuildResults(state, records, files, page);
    }
};

}  // namespace

TEST(RecordsUpdate, EachDivisionFillsItsHalfOfTheRecordsFile) {
    // "records.dat" holds, men first, the distances of each division's full round and a total.
    EXPECT_EQ(FirstRecordOf(Division::Men), 0u);
    EXPECT_EQ(FirstRecordOf(Division::Women), RecordTable{}.size() / 2);
    EXPECT_EQ(FirstRecordOf(Division::Women) + FullRound(Division::Women).stages().size() + 1,
              RecordTable{}.size());
}

TEST(RecordsUpdate, FirstDistanceWithoutFileCongratulatesAndCreatesTheFile) {
    Fixture f(3, 70);
    f.human(4, "Hr\xe1\xe8").Score90 = 1;
    f.computer(0, "Bot").Score90 = 300;  // computers never hold records
    f.rebuild();
    EXPECT_EQ(f.page.texts(), std::vector<std::string>{kAt90});
    // The congratulation appears over the two header lines only.
    EXPECT_EQ(f.page.congratulations[0].linesShown.size(), 2u);
    ASSERT_EQ(f.files.files.at(kRecordsFile).size(), kRecordsFileSize);
    RecordTable expected;
    expected[0] = {"Hr\xe1\xe8", 1};
    EXPECT_EQ(f.fileRecords(), expected);
    EXPECT_EQ(f.records, expected);
}

TEST(RecordsUpdate, DistancesAreCheckedInOrderAndOnlyStrictlyGreaterWins) {
    Fixture f(4, 30);
    ScoreRecord& s = f.human(0, "Eva");
    s.Score70 = 250;
    s.Score60 = 280;
    s.Score50 = 300;
    s.Score30 = 320;
    RecordTable stored;
    stored[5] = {"Old", 249};
    stored[6] = {"Old", 280};  // equal: stays
    stored[7] = {"Old", 301};
    stored[1] = {"Men", 1};  // the other gender is left alone
    f.storeRecords(stored);
    f.rebuild();
    EXPECT_EQ(f.page.texts(), (std::vector<std::string>{kAt70, kAt30}));
    RecordTable expected = stored;
    expected[5] = {"Eva", 250};
    expected[8] = {"Eva", 320};
    EXPECT_EQ(f.fileRecords(), expected);
}

TEST(RecordsUpdate, MenCheckEveryDistanceThenTheTotalOnceTheMatchIsOver) {
    Fixture f(3, 0);
    ScoreRecord& s = f.human(2, "Jan");
    s.Score90 = 200;
    s.Score70 = 210;
    s.Score50 = 220;
    s.Score30 = 230;
    s.Score60 = 999;  // no such distance for men
    f.rebuild();
    EXPECT_EQ(f.page.texts(), (std::vector<std::string>{kAt90, kAt70, kAt50, kAt30, kTotal}));
    EXPECT_EQ(f.records[4], (RecordEntry{"Jan", 860}));
    EXPECT_EQ(f.records[9], RecordEntry{});
}

TEST(RecordsUpdate, TotalIsLeftAloneBetweenDistancesAndInShortRounds) {
    Fixture between(4, 30);
    between.human(0, "Eva").Score70 = 100;
    between.rebuild();
    EXPECT_EQ(between.page.texts(), std::vector<std::string>{kAt70});
    EXPECT_EQ(between.records[9], RecordEntry{});

    Fixture shortRound(2, 0);
    ScoreRecord& s = shortRound.human(0, "Eva");
    s.Score50 = 100;
    s.Score30 = 100;
    s.Score70 = 100;  // not shot in a short round, but still a women's 70 m score
    shortRound.rebuild();
    EXPECT_EQ(shortRound.page.texts(), (std::vector<std::string>{kAt70, kAt50, kAt30}));
    EXPECT_EQ(shortRound.records[9], RecordEntry{});
}

TEST(RecordsUpdate, OnlyTheBetterRankedHumanCanSetRecords) {
    Fixture f(1, 30);
    f.human(0, "Slab\xfd").Score50 = 150;
    ScoreRecord& better = f.human(7, "Lep\x9a\xed");
    better.Score50 = 100;
    better.Score30 = 300;  // the better total ranks the later slot first
    f.rebuild();
    EXPECT_EQ(f.page.texts(), (std::vector<std::string>{kAt50, kAt30}));
    EXPECT_EQ(f.records[2], (RecordEntry{"Lep\x9a\xed", 100}));
    EXPECT_EQ(f.records[3], (RecordEntry{"Lep\x9a\xed", 300}));
}

TEST(RecordsUpdate, DemoSetsNothingButStillWritesTheFile) {
    Fixture f(3, 0);
    f.computer(0, "Bot").Score90 = 360;
    RecordTable stored;
    stored[0] = {"Keeper", 5};
    f.storeRecords(stored);
    f.rebuild();
    EXPECT_TRUE(f.page.congratulations.empty());
    EXPECT_EQ(f.files.writes, 1);
    EXPECT_EQ(f.fileRecords(), stored);
}

TEST(RecordsUpdate, ShortOrMissingFileStartsFromUnsetRecords) {
    Fixture f(1, 30);
    f.human(0, "Eva").Score50 = 1;
    RecordTable stored;
    stored[0] = {"Lost", 100};
    stored[2] = {"Lost", 300};
    f.files.files[kRecordsFile] = EncodeRecords(stored).substr(0, 339);
    f.rebuild();
    // The entries read before the file ended are dropped too.
    EXPECT_EQ(f.page.texts(), std::vector<std::string>{kAt50});
    RecordTable expected;
    expected[2] = {"Eva", 1};
    EXPECT_EQ(f.fileRecords(), expected);
}

TEST(RecordsUpdate, AFileThatIsThereButCannotBeReadIsLeftAsItIs) {
    Fixture f(3, 70);
    f.human(0, "Eva").Score90 = 300;
    RecordTable stored;
    stored[0] = {"Keeper", 200};
    f.storeRecords(stored);
    f.files.unreadable.insert(kRecordsFile);
    f.rebuild();
    EXPECT_TRUE(f.page.congratulations.empty());
    EXPECT_EQ(f.files.writes, 0);
    EXPECT_EQ(f.fileRecords(), stored);
}

TEST(RecordsUpdate, ThirtyCharacterNameIsStoredWhole) {
    Fixture f(2, 30);
    const std::string name = std::string(29, 'Z') + "\x9e";
    f.human(149, name).Score50 = 7;
    f.rebuild();
    EXPECT_EQ(f.files.files.at(kRecordsFile).substr(7 * 34, 30), name);
    EXPECT_EQ(f.fileRecords()[7].Name, name);
}

TEST(RecordsUpdate, ShowingRecordsThenResultsAgainBringsNoSecondCongratulation) {
    Fixture f(3, 70);
    f.human(0, "Jan").Score90 = 42;
    f.rebuild();
    ASSERT_EQ(f.page.texts(), std::vector<std::string>{kAt90});

    ShowRecords(f.records, f.files, f.page);
    EXPECT_EQ(f.page.lines.size(), 17u);
    EXPECT_EQ(f.page.lines[4], "90 m - Jan - 42");
    const int writes = f.files.writes;

    f.rebuild();
    EXPECT_EQ(f.page.congratulations.size(), 1u);
    EXPECT_EQ(f.files.writes, writes + 1);
}

TEST(RecordsUpdate, RecordsViewReadsTheFileOrShowsWhatIsInMemory) {
    MemoryFileStore files;
    RecordingPage page;
    RecordTable inMemory;
    inMemory[3] = {"Memory", 9};
    ShowRecords(inMemory, files, page);
    EXPECT_EQ(page.lines[7], "30 m - Memory - 9");
    EXPECT_EQ(files.writes, 0);

    RecordTable stored;
    stored[3] = {"File", 10};
    files.files[kRecordsFile] = EncodeRecords(stored);
    ShowRecords(inMemory, files, page);
    EXPECT_EQ(page.lines.size(), 17u);
    EXPECT_EQ(page.lines[7], "30 m - File - 10");
    EXPECT_EQ(inMemory, stored);
}
