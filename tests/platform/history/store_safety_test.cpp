#include <gtest/gtest.h>
#include <iconv.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/history/HistoryReader.h"
#include "platform/history/SqliteMatchLog.h"
#include "rules/history/ArrowsCsv.h"
#include "rules/history/PathBlob.h"
#include "support/HistoryFiles.h"

namespace {

LoggedArrow Arrow(int32_t endNo, int32_t arrowNo, std::string archer = "Novak") {
    return {.archer = Cp1250Text{std::move(archer)},
            .club = Cp1250Text{"TJ"},
            .distance = 30,
            .endNo = endNo,
            .arrowNo = arrowNo,
            .score = arrowNo + 7,
            .hit = {120, 95},
            .factor = 100,
            .ticks = 2,
            .path = {{180, 180}, {179, 181}, {178, 182}},
            .draw = {-250, -245, -240}};
}

void ShootEnds(MatchLog& log, int32_t ends, const std::string& archer = "Novak") {
    log.matchStarted({.roundType = 1, .difficulty = 1, .competitors = 2});
    for (int32_t end = 1; end <= ends; ++end) {
        for (int32_t arrow = 1; arrow <= 3; ++arrow) log.arrowShot(Arrow(end, arrow, archer));
        log.endClosed({});
    }
}

std::string Hex(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const char byte : bytes) {
        hex += kDigits[static_cast<unsigned char>(byte) >> 4];
        hex += kDigits[static_cast<unsigned char>(byte) & 0xF];
    }
    return hex;
}

// A history of version 6 taken back to version 5: no brackets.
constexpr const char* kBackBeforeBrackets =
    "DROP TABLE bouts; ALTER TABLE matches DROP COLUMN place; ALTER TABLE matches DROP COLUMN "
    "matchplay;";

// A history of version 5 taken back to version 4: no wind, and the statistics' index
// without it.
constexpr const char* kBackBeforeWind =
    "DROP INDEX arrows_for_statistics; ALTER TABLE arrows DROP COLUMN wind_speed;"
    "ALTER TABLE arrows DROP COLUMN wind_from; CREATE INDEX arrows_for_statistics ON "
    "arrows(archer, club, match_id, distance, end_no, arrow_no, score, x, y, factor, ticks);";

// Ends whose arrows are not all there: none may exist after any interruption.
constexpr const char* kBrokenEnds =
    "SELECT count(*) FROM (SELECT count(*) AS n FROM arrows GROUP BY match_id, distance, end_no "
    "HAVING n != 3)";

TEST(HistoryStore, AKillWhileWritingLeavesWholeEndsAndAnIntactFile) {
    for (int round = 0; round < 4; ++round) {
        TempFolder folder;
        const std::string path = folder.file("historie.db");
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SqliteMatchLog log(path);
            for (;;) ShootEnds(log, 12);
        }
        // Wait until ends are being written, then kill at a moment that differs every round.
        for (int wait = 0; QueryInt(path, "SELECT count(*) FROM arrows") < 30; ++wait) {
            if (wait == 20000 || waitpid(child, nullptr, WNOHANG) == child) {
                kill(child, SIGKILL);
                FAIL() << "the writing child stored nothing";
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(700 * round + 300));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        EXPECT_EQ(QueryText(path, "PRAGMA integrity_check"), "ok");
        EXPECT_EQ(QueryInt(path, kBrokenEnds), 0);
        // The game goes on recording into the file the killed one left.
        const int before = QueryInt(path, "SELECT count(*) FROM arrows");
        {
            SqliteMatchLog log(path);
            ASSERT_EQ(log.state(), HistoryState::Ready);
            ShootEnds(log, 1);
        }
        EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM arrows"), before + 3);
    }
}

TEST(HistoryStore, AnEmptyFileBecomesTheCurrentSchema) {
    TempFolder folder;
    const std::string path = folder.file("historie.db");
    WriteBytes(path, "");
    {
        SqliteMatchLog log(path);
        EXPECT_EQ(log.state(), HistoryState::Ready);
        ShootEnds(log, 1);
    }
    EXPECT_EQ(QueryInt(path, "PRAGMA user_version"), kHistorySchemaVersion);
    EXPECT_EQ(QueryText(path, "PRAGMA journal_mode"), "wal");
    EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM arrows WHERE length(draw) = 6"), 3);
}

TEST(HistoryStore, AVersionOneHistoryGainsTheDrawAndKeepsItsArrows) {
    TempFolder folder;
    const std::string path = folder.file("historie.db");
    // The first schema as players of that version have it on disk.
    RunSql(
        path,
        "PRAGMA application_id = 1447385153; PRAGMA user_version = 1;"
        "CREATE TABLE matches(id INTEGER PRIMARY KEY, started TEXT NOT NULL, finished TEXT,"
        " round_type INTEGER, round_name TEXT, division TEXT, difficulty INTEGER,"
        " sight INTEGER, competitors INTEGER, demo INTEGER);"
        "CREATE TABLE arrows(match_id INTEGER, archer TEXT, club TEXT, distance INTEGER,"
        " end_no INTEGER, arrow_no INTEGER, score INTEGER, x INTEGER, y INTEGER,"
        " factor INTEGER, ticks INTEGER, path BLOB);"
        "CREATE TABLE results(match_id INTEGER, archer TEXT, club TEXT, human INTEGER,"
        " distance INTEGER, score INTEGER, hits INTEGER, tens INTEGER, nines INTEGER,"
        " rank INTEGER);"
        "INSERT INTO matches(id, started, round_type) VALUES (1, '2026-01-02T10:00:00+01:00', 1);"
        "INSERT INTO arrows VALUES (1, 'Novak', 'TJ', 30, 1, 1, 9, 110, 111, 100, 1, "
        "x'0100020003000400');");
    {
        SqliteMatchLog log(path);
        ASSERT_EQ(log.state(), HistoryState::Ready);
        ShootEnds(log, 1);
    }
    EXPECT_EQ(QueryInt(path, "PRAGMA user_version"), kHistorySchemaVersion);
    EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM arrows WHERE match_id = 1 AND draw IS NULL"), 1);
    EXPECT_EQ(QueryText(path, "SELECT hex(path) FROM arrows WHERE match_id = 1"),
              Hex(EncodePath({{1, 2}, {3, 4}})));
    EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM arrows WHERE match_id = 2 AND length(draw) = 6"),
              3);
    EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM matches WHERE practice = 0"), 2);
}

TEST(HistoryStore, AnOlderHistoryGainsPracticeAndBracketsAndKeepsItsMatches) {
    // Each version as it was on disk, from the current schema.
    const std::string beforeBrackets = kBackBeforeBrackets;
    // Before version 4 the aiming was in the plain form; the arrows here keep none.
    const std::string beforeResuming = beforeBrackets + kBackBeforeWind +
                                       "DROP TABLE resume_points; UPDATE arrows SET path = NULL, "
                                       "draw = NULL;";
    const std::vector<std::pair<int, std::string>> downgrades = {
        {2, beforeResuming + "ALTER TABLE matches DROP COLUMN practice; PRAGMA user_version = 2;"},
        {3, beforeResuming + "PRAGMA user_version = 3;"},
        {4, beforeBrackets + kBackBeforeWind + "PRAGMA user_version = 4;"},
        {5, beforeBrackets + "PRAGMA user_version = 5;"},
    };
    for (const auto& [version, downgrade] : downgrades) {
        TempFolder folder;
        const std::string path = folder.file("historie.db");
        {
            SqliteMatchLog log(path);
            ShootEnds(log, 2);
        }
        RunSql(path, downgrade);
        const int64_t arrowsBefore = QueryInt(path, "SELECT count(*) FROM arrows");
        {
            SqliteMatchLog log(path);
            ASSERT_EQ(log.state(), HistoryState::Ready) << version;
            log.matchStarted({.competitors = 1, .practice = true, .practiceDistance = 50});
            log.arrowShot({.archer = Cp1250Text{"Nov\xe1k"},
                           .distance = 50,
                           .endNo = 1,
                           .arrowNo = 1,
                           .score = 7,
                           .hit = {120, 130},
                           .ticks = 2,
                           .path = {{1, 2}, {3, 4}},
                           .draw = {0, -5}});
            log.arrowShot({.archer = Cp1250Text{"Nov\xe1k"},
                           .distance = 50,
                           .endNo = 1,
                           .arrowNo = 2,
                           .shot = false});
            log.endClosed({});
            log.matchFinished();
            log.matchStarted({.competitors = 1, .matchplay = true, .practiceDistance = 70});
            log.boutDecided({.round = "Finále",
                             .archer = Cp1250Text{"Nov\xe1k"},
                             .opponent = Cp1250Text{"Vrba"},
                             .handicap = std::nullopt,
                             .opponentHandicap = 31,
                             .sets = {{{27, 25}, {2, 0}}, {{28, 28}, {1, 1}}},
                             .setPoints = {5, 5},
                             .shootOff = {{{10, 3.61}, {10, 4.5}}},
                             .won = true,
                             .firstEnd = 1,
                             .lastEnd = 6});
            log.bracketPlaced(1);
            log.matchFinished();
        }
        EXPECT_EQ(QueryInt(path, "PRAGMA user_version"), kHistorySchemaVersion);
        EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM arrows"), arrowsBefore + 2);
        EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM matches WHERE practice = 0"), 2);
        EXPECT_EQ(QueryText(path,
                            "SELECT round_name || '|' || round_type || '|' || competitors || '|' "
                            "|| (finished IS NOT NULL) || '|' || (division IS NULL) "
                            "FROM matches WHERE practice = 1"),
                  "Tr\u00e9nink 50 m|0|1|1|1");
        EXPECT_EQ(QueryText(path, "SELECT round_name || '|' || place FROM matches WHERE matchplay"),
                  "Souboje 70 m|1");
        EXPECT_EQ(QueryText(path,
                            "SELECT round || '|' || opponent || '|' || ifnull(handicap, '-') || "
                            "'|' || opponent_handicap || '|' || sets || '|' || set_points || "
                            "':' || opponent_set_points || '|' || shoot_off || '|' || won "
                            "FROM bouts WHERE match_id = 3"),
                  "Fin\u00e1le|Vrba|-|31|[[27,25,2,0],[28,28,1,1]]|5:5|[[10,3.61,10,4.50]]|1");
        EXPECT_EQ(QueryInt(path,
                           "SELECT count(*) FROM arrows WHERE score = 0 AND ticks = 0 AND x IS "
                           "NULL AND y IS NULL AND path IS NULL AND draw IS NULL"),
                  1);
        EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM results WHERE match_id = 2"), 0);
        HistoryReader reader(path);
        History history;
        ASSERT_TRUE(reader.readMatches(history));
        ASSERT_EQ(history.matches.size(), 3u);
        EXPECT_FALSE(history.matches[0].practice || history.matches[0].matchplay);
        EXPECT_TRUE(history.matches[1].practice);
        EXPECT_TRUE(history.matches[2].matchplay);
        EXPECT_EQ(history.matches[2].place, 1);
        ASSERT_EQ(history.bouts.size(), 1u);
        EXPECT_TRUE(history.bouts[0].won);
        std::vector<ArrowRecord> arrows;
        ASSERT_TRUE(reader.readArrows({u8"Nov\u00e1k", u8""}, false, arrows));
        ASSERT_EQ(arrows.size(), 2u);
        EXPECT_TRUE(arrows[0].shot);
        EXPECT_FALSE(arrows[1].shot);
    }
}

// Version 3 kept the aiming as plain 16-bit values and nothing to go on from: its blobs come
// back in the compact form with every value, cut ones still cut, and ends keep their points.
TEST(HistoryStore, AVersionThreeHistoryCompactsItsAimingAndKeepsPointsToGoOnFrom) {
    TempFolder folder;
    const std::string path = folder.file("historie.db");
    {
        SqliteMatchLog log(path);
        ShootEnds(log, 2);
    }
    RunSql(path,
           std::string(kBackBeforeBrackets) + kBackBeforeWind +
               "DROP TABLE resume_points; UPDATE arrows SET path = x'B400B500B300B600', draw = "
               "x'06FF01FF'; UPDATE arrows SET path = x'B400B500B3' WHERE end_no = 2; "
               "PRAGMA user_version = 3;");
    {
        SqliteMatchLog log(path);
        ASSERT_EQ(log.state(), HistoryState::Ready);
        log.matchResumed(1);
        for (int32_t arrow = 1; arrow <= 3; ++arrow) log.arrowShot(Arrow(3, arrow));
        log.endClosed("after end 3");
    }
    EXPECT_EQ(QueryInt(path, "PRAGMA user_version"), kHistorySchemaVersion);
    EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM arrows WHERE end_no = 1 AND hex(path) = '" +
                                 Hex(EncodePath({{180, 181}, {179, 182}})) + "' AND hex(draw) = '" +
                                 Hex(EncodeDraw({-250, -255})) + "'"),
              3);
    EXPECT_EQ(QueryText(path, "SELECT DISTINCT hex(path) FROM arrows WHERE end_no = 2"),
              Hex(CompactLegacyPath(std::string("\xB4\x00\xB5\x00\xB3", 5))));
    EXPECT_EQ(QueryText(path, "SELECT CAST(point AS TEXT) FROM resume_points WHERE match_id = 1"),
              "after end 3");
}

TEST(HistoryStore, AVersionThreeHistoryGainsTheWindAndItsArrowsWereShotInCalm) {
    TempFolder folder;
    const std::string path = folder.file("historie.db");
    {
        SqliteMatchLog log(path);
        ShootEnds(log, 1);
    }
    RunSql(path, std::string(kBackBeforeBrackets) + kBackBeforeWind +
                     "DROP TABLE resume_points; UPDATE arrows SET path = NULL, draw = NULL; "
                     "PRAGMA user_version = 3;");
    const auto windsRead = [&] {
        HistoryReader reader(path);
        std::vector<ArrowRecord> arrows;
        EXPECT_TRUE(reader.readArrows({u8"Novak", u8"TJ"}, false, arrows));
        std::vector<std::pair<int32_t, int32_t>> winds;
        for (const ArrowRecord& a : arrows) winds.emplace_back(a.windSpeed, a.windFrom);
        return winds;
    };
    const std::pair<int32_t, int32_t> calm{0, 0};
    EXPECT_EQ(windsRead(), std::vector(3, calm));  // readable before the game migrates it
    {
        SqliteMatchLog log(path);
        ASSERT_EQ(log.state(), HistoryState::Ready);
        log.matchStarted({.roundType = 1, .competitors = 1});
        LoggedArrow windy = Arrow(1, 1);
        windy.wind = {.tenths = 43, .fromDegrees = 270};
        log.arrowShot(windy);
        log.endClosed({});
    }
    EXPECT_EQ(QueryInt(path, "PRAGMA user_version"), kHistorySchemaVersion);
    std::vector expected(3, calm);
    expected.emplace_back(43, 270);
    EXPECT_EQ(windsRead(), expected);
    // The statistics still read the arrows without stepping over their aiming.
    const auto plan = QueryRows(path,
                                "EXPLAIN QUERY PLAN SELECT match_id, x, y, wind_speed, wind_from "
                                "FROM arrows WHERE archer = 'Novak' AND club = 'TJ'");
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_NE(plan[0].back().find("COVERING INDEX"), std::string::npos) << plan[0].back();
}

TEST(HistoryStore, AFileThatIsNotOursIsNeverWritten) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
        HistoryState state;
    };
    auto history = [](const std::string& path) {
        SqliteMatchLog log(path);
        ShootEnds(log, 40);
    };
    const Case cases[] = {
        {"text", [](const std::string& p) { WriteBytes(p, std::string(300, 'x') + "\r\n"); },
         HistoryState::NotADatabase},
        {"short", [](const std::string& p) { WriteBytes(p, "SQLite format 3"); },
         HistoryState::NotADatabase},
        {"another program's database",
         [](const std::string& p) {
             RunSql(p, "CREATE TABLE notes(t TEXT); INSERT INTO notes VALUES ('x');");
         },
         HistoryState::NotADatabase},
        {"newer",
         [&](const std::string& p) {
             history(p);
             MakeHistoryNewer(p);
         },
         HistoryState::Newer},
        {"damaged",
         [&](const std::string& p) {
             history(p);
             DamageHistory(p);
         },
         HistoryState::Damaged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string path = folder.file("historie.db");
        c.make(path);
        const std::string before = ReadBytes(path);
        {
            SqliteMatchLog log(path);
            EXPECT_EQ(log.state(), c.state);
            bool told = false;
            log.onNotSaving = [&] { told = true; };
            ShootEnds(log, 3);
            log.matchFinished();
            EXPECT_FALSE(told);  // the statistics say what is wrong; the match is not bothered
        }
        EXPECT_EQ(ReadBytes(path), before);
        HistoryReader reader(path);
        History read;
        std::vector<ArrowRecord> arrows;
        const bool readable =
            reader.readMatches(read) && reader.readArrows({u8"Novak", u8"TJ"}, false, arrows);
        EXPECT_FALSE(readable);
        EXPECT_EQ(reader.state(), c.state);
        EXPECT_EQ(ReadBytes(path), before);
    }
}

TEST(HistoryStore, AnEndThatFindsTheFileLockedIsStoredWithTheNextOne) {
    TempFolder folder;
    const std::string path = folder.file("historie.db");
    SqliteMatchLog log(path);
    bool told = false;
    log.onNotSaving = [&] { told = true; };
    ShootEnds(log, 1);
    // Another copy of the game in the middle of its own end.
    sqlite3* other = nullptr;
    sqlite3_open(path.c_str(), &other);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    for (int32_t arrow = 1; arrow <= 3; ++arrow) log.arrowShot(Arrow(2, arrow));
    log.endClosed({});
    EXPECT_EQ(log.pendingWrites(), 1u);
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    for (int32_t arrow = 1; arrow <= 3; ++arrow) log.arrowShot(Arrow(3, arrow));
    log.endClosed({});
    EXPECT_EQ(log.pendingWrites(), 0u);
    EXPECT_FALSE(told);
    EXPECT_EQ(QueryInt(path, "SELECT count(DISTINCT end_no) FROM arrows"), 3);
    EXPECT_EQ(QueryInt(path, kBrokenEnds), 0);
}

TEST(HistoryStore, AFinishedMatchIsNamedOnlyOnceItsFinishIsStored) {
    TempFolder folder;
    const std::string path = folder.file("historie.db");
    SqliteMatchLog log(path);
    ShootEnds(log, 1);
    ShootEnds(log, 1);
    log.matchFinished();
    EXPECT_EQ(log.finishedMatch(),
              QueryInt(path, "SELECT id FROM matches WHERE finished IS NOT NULL"));
    ShootEnds(log, 1);
    sqlite3* other = nullptr;
    sqlite3_open(path.c_str(), &other);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    log.matchFinished();
    EXPECT_FALSE(log.finishedMatch());
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

TEST(HistoryStore, AFolderThatCannotHoldTheFileIsToldOnce) {
    TempFolder folder;
    SqliteMatchLog log(folder.file("missing-folder/historie.db"));
    int told = 0;
    log.onNotSaving = [&] { ++told; };
    ShootEnds(log, 2);
    ShootEnds(log, 2);
    EXPECT_EQ(told, 1);
}

// The independent reference: glibc's own cp1250 table.
std::string Utf8ByIconv(const std::string& cp1250) {
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    std::string in = cp1250;
    std::string out(in.size() * 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

TEST(HistoryStore, EveryCp1250CharacterOfANameReachesTheDatabaseAndTheCsv) {
    std::string name;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        // The five bytes glibc leaves unassigned have no reference to compare with.
        if (byte == 0x81 || byte == 0x83 || byte == 0x88 || byte == 0x90 || byte == 0x98) continue;
        name.push_back(static_cast<char>(byte));
    }
    const std::string utf8 = Utf8ByIconv(name);
    ASSERT_FALSE(utf8.empty());
    TempFolder folder;
    const std::string path = folder.file("historie.db");
    {
        SqliteMatchLog log(path);
        ShootEnds(log, 1, name);
    }
    EXPECT_EQ(QueryText(path, "SELECT archer FROM arrows LIMIT 1"), utf8);
    HistoryReader reader(path);
    History history;
    std::vector<ArrowRecord> arrows;
    ASSERT_TRUE(reader.readMatches(history));
    ASSERT_TRUE(reader.readArrows({Utf8Text{utf8}, u8"TJ"}, false, arrows));
    ASSERT_EQ(arrows.size(), 3u);
    const std::string csv = ArrowsCsv(history.matches, arrows).bytes();
    EXPECT_NE(csv.find("," + utf8 + ",TJ,30,1,1,8,"), std::string::npos);
}

TEST(HistoryStore, ListsEachHumanArcherWithTheLastMatchHeShotIn) {
    TempFolder folder;
    const std::string path = folder.file("historie.db");
    SqliteMatchLog{path};  // lays out the schema
    // A practice session lives in its arrows, a match in its results; computers are not listed.
    RunSql(path,
           "INSERT INTO matches(id, started) VALUES (1, 'x'), (2, 'x'), (3, 'x'), (4, 'x');"
           "INSERT INTO results(match_id, archer, club, human) VALUES (1, 'Novak', 'TJ', 1), "
           "(3, 'Novak', 'TJ', 1), (2, 'Novak', 'SK', 1), (4, 'Robot', 'TJ', 0);"
           "INSERT INTO arrows(match_id, archer, club) VALUES (4, 'Novak', 'SK'), (1, 'Eva', '');");
    std::vector<KnownArcher> archers;
    ASSERT_TRUE(HistoryReader(path).readArchers(archers));
    EXPECT_EQ(archers,
              (std::vector<KnownArcher>{
                  {{u8"Eva", u8""}, 1}, {{u8"Novak", u8"SK"}, 4}, {{u8"Novak", u8"TJ"}, 3}}));
}

}  // namespace
