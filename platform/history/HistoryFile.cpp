#include "platform/history/HistoryFile.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

constexpr std::size_t kHeaderSize = 100;
constexpr char kMagic[] = "SQLite format 3";  // with its terminating zero: 16 bytes

// Schema version 1: matches, arrows with their sight path, results.
constexpr const char* kSchema1 = R"sql(
CREATE TABLE matches(
    id INTEGER PRIMARY KEY,
    started TEXT NOT NULL,
    finished TEXT,
    round_type INTEGER,
    round_name TEXT,
    division TEXT,
    difficulty INTEGER,
    sight INTEGER,
    competitors INTEGER,
    demo INTEGER);
CREATE TABLE arrows(
    match_id INTEGER REFERENCES matches(id),
    archer TEXT,
    club TEXT,
    distance INTEGER,
    end_no INTEGER,
    arrow_no INTEGER,
    score INTEGER,
    x INTEGER,
    y INTEGER,
    factor INTEGER,
    ticks INTEGER,
    path BLOB);
CREATE TABLE results(
    match_id INTEGER REFERENCES matches(id),
    archer TEXT,
    club TEXT,
    human INTEGER,
    distance INTEGER,
    score INTEGER,
    hits INTEGER,
    tens INTEGER,
    nines INTEGER,
    rank INTEGER);
)sql";

// Version 2: the drawn arrow beside the sight path; older arrows keep NULL. The index holds
// every column the statistics read, so that they never have to step over the aiming blobs.
constexpr const char* kSchema2 = R"sql(
ALTER TABLE arrows ADD COLUMN draw BLOB;
CREATE INDEX arrows_for_statistics ON arrows(
    archer, club, match_id, distance, end_no, arrow_no, score, x, y, factor, ticks);
CREATE INDEX results_of_humans ON results(human);
)sql";

// Version 3: practice sessions are rows of `matches` too, told apart by this column.
constexpr const char* kSchema3 = R"sql(
ALTER TABLE matches ADD COLUMN practice INTEGER NOT NULL DEFAULT 0;
)sql";

// Version 6: brackets shot head to head are rows of `matches` with their player's final
// place; each of his bouts is a row of `bouts`, its sets and shoot-off arrows as JSON arrays.
constexpr const char* kSchema6 = R"sql(
ALTER TABLE matches ADD COLUMN matchplay INTEGER NOT NULL DEFAULT 0;
ALTER TABLE matches ADD COLUMN place INTEGER;
CREATE TABLE bouts(
    match_id INTEGER REFERENCES matches(id),
    bout_no INTEGER,
    round TEXT,
    archer TEXT,
    club TEXT,
    opponent TEXT,
    opponent_club TEXT,
    handicap INTEGER,
    opponent_handicap INTEGER,
    sets TEXT,
    set_points INTEGER,
    opponent_set_points INTEGER,
    shoot_off TEXT,
    won INTEGER,
    first_end INTEGER,
    last_end INTEGER);
CREATE INDEX bouts_of_archers ON bouts(archer, club);
)sql";

enum class Header { Empty, Sqlite, Foreign, Unreadable };

Header readHeader(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return Header::Unreadable;
    std::array<char, kHeaderSize> header{};
    file.read(header.data(), header.size());
    const std::streamsize got = file.gcount();
    if (got == 0) return Header::Empty;
    if (static_cast<std::size_t>(got) < kHeaderSize) return Header::Foreign;
    return std::memcmp(header.data(), kMagic, sizeof kMagic) == 0 ? Header::Sqlite
                                                                  : Header::Foreign;
}

HistoryState stateOfError(int rc) {
    switch (rc) {
        case SQLITE_NOTADB:
            return HistoryState::NotADatabase;
        case SQLITE_CORRUPT:
            return HistoryState::Damaged;
        default:
            return HistoryState::Unusable;
    }
}

}  // namespace

HistoryState CheckHistoryFile(const std::string& path, bool thorough) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) return HistoryState::Absent;
    switch (readHeader(path)) {
        case Header::Unreadable:
            return HistoryState::Unusable;
        case Header::Empty:
            return HistoryState::Ready;
        case Header::Foreign:
            return HistoryState::NotADatabase;
        case Header::Sqlite:
            break;
    }
    SqliteConnection db;
    int rc = db.open(path, SQLITE_OPEN_READONLY);
    if (rc != SQLITE_OK) return stateOfError(rc);
    int64_t tables = 0, applicationId = 0, version = 0;
    if (!db.queryInteger("SELECT count(*) FROM sqlite_schema", tables, &rc) ||
        !db.queryInteger("PRAGMA application_id", applicationId, &rc) ||
        !db.queryInteger("PRAGMA user_version", version, &rc)) {
        return stateOfError(rc);
    }
    if (tables > 0 && applicationId != kHistoryApplicationId) return HistoryState::NotADatabase;
    if (version > kHistorySchemaVersion) return HistoryState::Newer;
    if (thorough) {
        SqliteStatement check(db.get(), "PRAGMA quick_check");
        if (!check.ok()) return stateOfError(check.prepareCode());
        rc = check.step();
        if (rc != SQLITE_ROW) return stateOfError(rc);
        if (check.text(0) != "ok") return HistoryState::Damaged;
    }
    return HistoryState::Ready;
}

int MigrateHistory(SqliteConnection& db) {
    int rc = db.exec("BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) return rc;
    int64_t version = 0;
    db.queryInteger("PRAGMA user_version", version, &rc);
    if (rc == SQLITE_OK && version < 1) rc = db.exec(kSchema1);
    if (rc == SQLITE_OK && version < 2) rc = db.exec(kSchema2);
    if (rc == SQLITE_OK && version < 3) rc = db.exec(kSchema3);
    if (rc == SQLITE_OK && version < 6) rc = db.exec(kSchema6);
    if (rc == SQLITE_OK && version < kHistorySchemaVersion) {
        const std::string stamp =
            "PRAGMA application_id = " + std::to_string(kHistoryApplicationId) +
            "; PRAGMA user_version = " + std::to_string(kHistorySchemaVersion) + ";";
        rc = db.exec(stamp.c_str());
    }
    if (rc == SQLITE_OK) rc = db.exec("COMMIT");
    if (rc != SQLITE_OK) db.exec("ROLLBACK");
    return rc;
}
