#include <gtest/gtest.h>

#include <string>

#include "rules/results/RecordsText.h"
#include "rules/results/Rekordy.h"
#include "support/MemoryFileStore.h"

namespace {

RecordTable sampleRecords() {
    RecordTable t;
    t[0] = {"\x8a\x9d\xec\xf8\xfd", 0x01020304u};
    t[4] = {std::string(30, 'N'), 4294967295u};
    t[9] = {"Ann", 1440};
    return t;
}

}  // namespace

TEST(Rekordy, FileIsTenEntriesOfNameFieldAndLittleEndianScore) {
    std::string bytes = EncodeRecords(sampleRecords());
    ASSERT_EQ(bytes.size(), kRecordsFileSize);
    EXPECT_EQ(bytes.substr(0, 34),
              std::string("\x8a\x9d\xec\xf8\xfd") + std::string(25, '\0') + "\x04\x03\x02\x01");
    EXPECT_EQ(bytes.substr(34, 34), std::string(34, '\0'));
    // A 30-character name fills its field without a terminating zero.
    EXPECT_EQ(bytes.substr(4 * 34, 34), std::string(30, 'N') + "\xff\xff\xff\xff");
    EXPECT_EQ(bytes.substr(9 * 34 + 30, 4), std::string("\xa0\x05\0\0", 4));
}

TEST(Rekordy, WriteThenReadGivesTheSameTable) {
    MemoryFileStore files;
    EXPECT_EQ(WriteRecords(files, kRecordsFile, sampleRecords()), FileResult::Done);
    RecordTable read;
    EXPECT_EQ(ReadRecords(files, kRecordsFile, read), FileResult::Done);
    EXPECT_EQ(read, sampleRecords());
    EXPECT_EQ(read[4].Name.size(), 30u);
}

TEST(Rekordy, NameStopsAtItsFirstZeroByte) {
    std::string bytes = EncodeRecords(RecordTable{});
    bytes.replace(34, 11, std::string("Eva\0garbage", 11));
    RecordTable read;
    EXPECT_EQ(DecodeRecords(bytes, read), FileResult::Done);
    EXPECT_EQ(read[1].Name, "Eva");
}

TEST(Rekordy, MissingFileFailsAndLeavesTheTableAlone) {
    MemoryFileStore files;
    RecordTable table = sampleRecords();
    EXPECT_EQ(ReadRecords(files, kRecordsFile, table), FileResult::Failed);
    EXPECT_EQ(table, sampleRecords());
    files.files[kRecordsFile] = EncodeRecords(RecordTable{});
    files.unreadable.insert(kRecordsFile);
    EXPECT_EQ(ReadRecords(files, kRecordsFile, table), FileResult::Failed);
    EXPECT_EQ(table, sampleRecords());
}

TEST(Rekordy, ShortFileKeepsWhatItHeldWholeAndFails) {
    RecordTable fresh;
    fresh[0] = {"new0", 10};
    fresh[1] = {"new1", 11};
    fresh[2] = {"new2", 12};
    const std::string full = EncodeRecords(fresh);
    RecordTable old;
    for (std::size_t i = 0; i < old.size(); ++i) old[i] = {"old", static_cast<uint32_t>(i)};

    // Cut inside entry 1's score: its name is read, its score and what follows stay old.
    RecordTable table = old;
    EXPECT_EQ(DecodeRecords(std::string_view(full).substr(0, 34 + 32), table), FileResult::Failed);
    EXPECT_EQ(table[0], fresh[0]);
    EXPECT_EQ(table[1], (RecordEntry{"new1", 1}));
    EXPECT_EQ(table[2], old[2]);

    // Cut inside entry 2's name field.
    table = old;
    EXPECT_EQ(DecodeRecords(std::string_view(full).substr(0, 68 + 10), table), FileResult::Failed);
    EXPECT_EQ(table[1], fresh[1]);
    EXPECT_EQ(table[2], old[2]);

    // One byte short of the last score.
    table = old;
    EXPECT_EQ(DecodeRecords(std::string_view(full).substr(0, kRecordsFileSize - 1), table),
              FileResult::Failed);
    EXPECT_EQ(table[8], fresh[8]);
    EXPECT_EQ(table[9], (RecordEntry{"", 9}));

    table = old;
    EXPECT_EQ(DecodeRecords("", table), FileResult::Failed);
    EXPECT_EQ(table, old);
}

TEST(Rekordy, LongerFileIsReadFromItsFirst340Bytes) {
    MemoryFileStore files;
    files.files[kRecordsFile] = EncodeRecords(sampleRecords()) + "trailing junk";
    RecordTable table;
    EXPECT_EQ(ReadRecords(files, kRecordsFile, table), FileResult::Done);
    EXPECT_EQ(table, sampleRecords());
}

TEST(Rekordy, UnwritableFileReportsFailure) {
    MemoryFileStore files;
    files.unwritable.insert(kRecordsFile);
    EXPECT_EQ(WriteRecords(files, kRecordsFile, sampleRecords()), FileResult::Failed);
    EXPECT_TRUE(files.files.empty());
}

TEST(RecordsView, ShowsBothGendersWithTheirLabelsInOrder) {
    RecordTable t = sampleRecords();
    t[6] = {"Jana", 301};
    const std::vector<std::string> expected = {
        "          Rekordy",
        "",
        "     Muzi",
        "",
        "90 m - \x8a\x9d\xec\xf8\xfd - 16909060",
        "70 m -  - 0",
        "50 m -  - 0",
        "30 m -  - 0",
        "Ceklov\xfd v\xfdsledek (VEXA) - " + std::string(30, 'N') + " - 4294967295",
        "",
        "     \x8e"
        "eny",
        "",
        "70 m -  - 0",
        "60 m - Jana - 301",
        "50 m -  - 0",
        "30 m -  - 0",
        "Ceklov\xfd v\xfdsledek (VEXA) - Ann - 1440",
    };
    EXPECT_EQ(RecordsLines(t), expected);
}
