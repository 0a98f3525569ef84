#include <gtest/gtest.h>

#include "platform/history/HistoryReader.h"
#include "platform/history/SqliteMatchLog.h"
#include "support/HistoryFiles.h"

namespace {

TEST(HistoryReader, ListsEachHumanArcherWithTheLastMatchHeShotIn) {
    TempFolder folder;
    const std::string path = folder.file("historie.db");
    SqliteMatchLog{path};  // lays out the schema
    RunSql(path,
           "INSERT INTO matches(id, started, round_type) VALUES (1, 'x', 1), (2, 'x', 1), "
           "(3, 'x', 1), (4, 'x', 0);"
           "INSERT INTO results(match_id, archer, club, human, distance) VALUES "
           "(1, 'Novak', 'TJ', 1, 50), (3, 'Novak', 'TJ', 1, 50), (2, 'Novak', 'SK', 1, 50), "
           "(4, 'Robot', 'TJ', 0, 50);"
           "INSERT INTO arrows(match_id, archer, club, distance) VALUES "
           "(4, 'Novak', 'SK', 30), (1, 'Eva', '', 30);");
    std::vector<KnownArcher> archers;
    ASSERT_TRUE(HistoryReader(path).readArchers(archers));
    // A practice session lives in its arrows, a match in its results; computers are not listed.
    EXPECT_EQ(archers,
              (std::vector<KnownArcher>{
                  {{u8"Eva", u8""}, 1}, {{u8"Novak", u8"SK"}, 4}, {{u8"Novak", u8"TJ"}, 3}}));
}

}  // namespace
