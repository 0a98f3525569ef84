#include <gtest/gtest.h>

#include "rules/competitors/CompetitorFile.h"
#include "support/MemoryFileStore.h"

namespace {

CompetitorTable sampleTable() {
    CompetitorTable t;
    t[0] = {"Nov\xe1k, Jan", "SK Slavia Praha", {60, 75, 75, 85}, false};
    t[3] = {std::string(30, 'N'), std::string(20, 'C'), {-1, 2147483647, INT32_MIN, 0}, true};
    t[149] = {"\x8a\x9d\xec\xf8\xfd", "", {5, 94, 5, 94}, false};
    return t;
}

TEST(CompetitorFile, RoundTripKeepsEveryFieldAndMakesEveryoneAComputer) {
    CompetitorTable original = sampleTable();
    std::string bytes = encodeCompetitorFile(original);
    ASSERT_EQ(bytes.size(), kCompetitorFileSize);
    auto loaded = decodeCompetitorFile(bytes);
    ASSERT_TRUE(loaded);
    for (int i = 0; i < kCompetitorSlots; ++i) {
        EXPECT_EQ((*loaded)[i].Name, original[i].Name) << i;
        EXPECT_EQ((*loaded)[i].Club, original[i].Club) << i;
        EXPECT_EQ((*loaded)[i].Performance, original[i].Performance) << i;
        EXPECT_TRUE((*loaded)[i].IsComputer) << i;
    }
}

TEST(CompetitorFile, LayoutIsExactToTheByte) {
    std::string bytes = encodeCompetitorFile(sampleTable());
    EXPECT_EQ(bytes.substr(0, 18), std::string("Brantel 2 players\0", 18));
    std::string slot0 = bytes.substr(18, 66);
    EXPECT_EQ(slot0.substr(0, 30), std::string("Nov\xe1k, Jan") + std::string(20, '\0'));
    EXPECT_EQ(slot0.substr(30, 20), std::string("SK Slavia Praha") + std::string(5, '\0'));
    EXPECT_EQ(slot0.substr(50, 4), std::string("\x3c\0\0\0", 4));
    EXPECT_EQ(slot0.substr(62, 4), std::string("\x55\0\0\0", 4));
    // Full-width fields have no terminating zero and do not run into the next field.
    std::string slot3 = bytes.substr(18 + 3 * 66, 66);
    EXPECT_EQ(slot3.substr(0, 50), std::string(30, 'N') + std::string(20, 'C'));
    EXPECT_EQ(slot3.substr(50, 8), std::string("\xff\xff\xff\xff\xff\xff\xff\x7f", 8));
    // A free slot is all zero bytes.
    EXPECT_EQ(bytes.substr(18 + 1 * 66, 66), std::string(66, '\0'));
}

TEST(CompetitorFile, TextStopsAtTheFirstZeroByte) {
    std::string bytes = encodeCompetitorFile(CompetitorTable{});
    std::string junk = std::string("Ann\0garbage", 11);
    bytes.replace(18, junk.size(), junk);
    auto loaded = decodeCompetitorFile(bytes);
    ASSERT_TRUE(loaded);
    EXPECT_EQ((*loaded)[0].Name, "Ann");
}

TEST(CompetitorFile, RefusesShortFilesAndForeignHeadersAndIgnoresATail) {
    std::string good = encodeCompetitorFile(sampleTable());
    EXPECT_FALSE(decodeCompetitorFile(""));
    EXPECT_FALSE(decodeCompetitorFile(good.substr(0, 18)));
    EXPECT_FALSE(decodeCompetitorFile(good.substr(0, kCompetitorFileSize - 1)));
    const auto whole = decodeCompetitorFile(good);
    ASSERT_TRUE(whole);
    EXPECT_EQ(decodeCompetitorFile(good + std::string("\xff tail", 6)), whole);
    for (std::size_t i = 0; i < 18; ++i) {
        std::string bad = good;
        bad[i] = static_cast<char>(bad[i] ^ 0x20);
        EXPECT_FALSE(decodeCompetitorFile(bad)) << "header byte " << i;
    }
}

TEST(CompetitorFile, LoadAndSaveReportFailuresAndKeepTheTable) {
    MemoryFileStore files;
    CompetitorTable table = sampleTable();
    table[0].IsComputer = false;
    const CompetitorTable before = table;

    EXPECT_EQ(LoadCompetitors(files, "missing.luk", table), FileResult::Failed);
    files.files["short.luk"] = encodeCompetitorFile(CompetitorTable{}).substr(0, 5000);
    EXPECT_EQ(LoadCompetitors(files, "short.luk", table), FileResult::Failed);
    EXPECT_EQ(table, before);
    files.files["long.luk"] = encodeCompetitorFile(CompetitorTable{}) + std::string(20000, 'x');
    EXPECT_EQ(LoadCompetitors(files, "long.luk", table), FileResult::Done);
    EXPECT_EQ(table, CompetitorTable{});
    table = before;

    files.unwritable.insert("locked.luk");
    EXPECT_EQ(SaveCompetitors(files, "locked.luk", table), FileResult::Failed);
    EXPECT_EQ(SaveCompetitors(files, "field", table), FileResult::Done);
    EXPECT_EQ(files.files["field"].size(), kCompetitorFileSize);

    CompetitorTable other;
    EXPECT_EQ(LoadCompetitors(files, "field", other), FileResult::Done);
    EXPECT_TRUE(other[0].IsComputer);
    EXPECT_EQ(other[0].Name, table[0].Name);
}

TEST(CompetitorTable, FindAndClear) {
    CompetitorTable t;
    t[4].Name = "Dvo\xf8\xe1k";
    t[9].Name = "Dvo\xf8\xe1k";
    t[7].Name = "dvo\xf8\xe1k";
    EXPECT_EQ(FindCompetitor(t, "Dvo\xf8\xe1k"), 4);
    EXPECT_EQ(FindCompetitor(t, "dvo\xf8\xe1k"), 7);
    EXPECT_FALSE(FindCompetitor(t, "Nikdo"));

    t[4] = {"X", "Y", {1, 2, 3, 4}, false};
    ClearCompetitor(t[4]);
    EXPECT_EQ(t[4], CompetitorRecord{});
    EXPECT_TRUE(t[4].IsComputer);
    EXPECT_TRUE(t[4].isFree());
}

TEST(IsHumanArcher, OnlyANamedSlotMarkedAsAHuman) {
    EXPECT_TRUE(IsHumanArcher({.Name = "Eva", .IsComputer = false}));
    EXPECT_FALSE(IsHumanArcher({.Name = "Eva", .IsComputer = true}));
    // A free slot is nobody's, whatever its mark says.
    EXPECT_FALSE(IsHumanArcher({.Club = "SK", .IsComputer = false}));
}

}  // namespace
