#include <gtest/gtest.h>

#include "rules/settings/Configuration.h"

namespace {

void expectConfig(std::string_view text, int32_t left, int32_t top, int32_t difficulty) {
    Configuration c = ReadConfiguration(text);
    EXPECT_EQ(c.StoredLeft, left) << text;
    EXPECT_EQ(c.StoredTop, top) << text;
    EXPECT_EQ(c.Difficulty, difficulty) << text;
}

TEST(Configuration, WritesTheSixLinesByteForByte) {
    std::string bytes = WriteConfiguration(291, 233, 1);
    EXPECT_EQ(bytes, "[Window]\r\nLeft= 291\r\nTop= 233\r\n\r\n[Game]\r\nDifficult= 1\r\n");
    EXPECT_EQ(bytes.size(), 55u);
    EXPECT_EQ(WriteConfiguration(-4, 0, 3),
              "[Window]\r\nLeft= -4\r\nTop= 0\r\n\r\n[Game]\r\nDifficult= 3\r\n");
}

TEST(Configuration, ReadsBackWhatItWrites) {
    expectConfig(WriteConfiguration(-4, 0, 2), -4, 0, 2);
    expectConfig(WriteConfiguration(1920, 1080, 3), 1920, 1080, 3);
}

TEST(Configuration, MissingEmptyOrForeignTextGivesDefaults) {
    expectConfig("", 0, 0, 1);
    expectConfig("   \r\n\t ", 0, 0, 1);
    expectConfig("[Window]", 0, 0, 1);
    expectConfig("[window] Left= 5 Top= 6 [Game] Difficult= 2", 0, 0, 1);
    expectConfig("[Window] Left=5 Top= 6 [Game] Difficult= 2", 0, 0, 1);
    expectConfig(std::string_view("\x00\xff\x13garbage", 10), 0, 0, 1);
}

TEST(Configuration, KeepsWhatWasReadBeforeTheFirstMismatch) {
    expectConfig("[Window]\r\nLeft= 100", 100, 0, 1);
    expectConfig("[Window] Left= 100 Top= 7", 100, 7, 1);
    expectConfig("[Window] Left= abc Top= 7 [Game] Difficult= 2", 0, 0, 1);
    expectConfig("[Window] Left= 5 Top= x [Game] Difficult= 2", 5, 0, 1);
    expectConfig("[Window] Left= 5 Top= 6 [Game] Difficult= zero", 5, 6, 1);
    expectConfig("[Window] Left= 5 Top= 6 [Spiel] Difficult= 2", 5, 6, 1);
}

TEST(Configuration, TokensMayStandAnywhereAndNumbersEndWhereTheyStop) {
    expectConfig("[Window] Left= 5 Top= 6 [Game] Difficult= 2", 5, 6, 2);
    expectConfig("\t[Window]\n\n Left=\r\n  +5\tTop=\n-6 [Game] Difficult= 2 trailing words", 5, -6,
                 2);
    expectConfig("[Window] Left= 12Top= 6 [Game] Difficult= 0", 12, 6, 0);
    expectConfig("[Window] Left= - 5 Top= 6", 0, 0, 1);
}

TEST(Configuration, NumbersOutsideInt32FailTheRead) {
    expectConfig("[Window] Left= 2147483647 Top= -2147483648", 2147483647, INT32_MIN, 1);
    expectConfig("[Window] Left= 2147483648 Top= 6", 0, 0, 1);
    expectConfig("[Window] Left= 1 Top= 99999999999999999999 [Game] Difficult= 2", 1, 0, 1);
}

TEST(Configuration, UnknownDifficultyFallsBackToProfessional) {
    expectConfig("[Window] Left= 1 Top= 2 [Game] Difficult= 4", 1, 2, 1);
    expectConfig("[Window] Left= 1 Top= 2 [Game] Difficult= -1", 1, 2, 1);
    expectConfig("[Window] Left= 1 Top= 2 [Game] Difficult= 3", 1, 2, 3);
}

}  // namespace
