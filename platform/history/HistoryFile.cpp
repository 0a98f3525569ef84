#include "platform/history/HistoryFile.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "rules/history/PathBlob.h"

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

// Version 4: where each unfinished match can go on from, one row per match, replaced with each
// end; and the aiming in the compact form, every older blob re-encoded in place.
constexpr const char* kSchema4 = R"sql(
CREATE TABLE resume_points(
    match_id INTEGER PRIMARY KEY REFERENCES matches(id),
    point BLOB NOT NULL);
UPDATE arrows SET path = compact_legacy_path(path) WHERE path IS NOT NULL;
UPDATE arrows SET draw = compact_legacy_draw(draw) WHERE draw IS NOT NULL;
)sql";

template <std::string (*Compact)(std::string_view)>
void compactBlob(sqlite3_context* context, int, sqlite3_value** arguments) {
    const auto* bytes = static_cast<const char*>(sqlite3_value_blob(arguments[0]));
    const std::string compact = Compact(std::string_view(
        bytes ? bytes : "", static_cast<std::size_t>(sqlite3_value_bytes(arguments[0]))));
    sqlite3_result_blob64(context, compact.data(), compact.size(), SQLITE_TRANSIENT);
}

// The migration's own SQL functions: the old aiming blobs into the compact form.
int addMigrationFunctions(SqliteConnection& db) {
    constexpr int kFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_function_v2(db.get(), "compact_legacy_path", 1, kFlags, nullptr,
                                        compactBlob<CompactLegacyPath>, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_create_function_v2(db.get(), "compact_legacy_draw", 1, kFlags, nullptr,
                                        compactBlob<CompactLegacyDraw>, nullptr, nullptr, nullptr);
    }
    return rc;
}

// Version 5: the wind at each arrow's release, in tenths of m/s and the degrees it blew from
// (see Wind); older arrows were shot in calm. The statistics' index takes the wind in too.
constexpr const char* kSchema5 = R"sql(
ALTER TABLE arrows ADD COLUMN wind_speed INTEGER NOT NULL DEFAULT 0;
ALTER TABLE arrows ADD COLUMN wind_from INTEGER NOT NULL DEFAULT 0;
DROP INDEX arrows_for_statistics;
CREATE INDEX arrows_for_statistics ON arrows(
    archer, club, match_id, distance, end_no, arrow_no, score, x, y, factor, ticks, wind_speed,
    wind_from);
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
    int rc = addMigrationFunctions(db);
    if (rc != SQLITE_OK) return rc;
    rc = db.exec("BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) return rc;
    int64_t version = 0;
    db.queryInteger("PRAGMA user_version", version, &rc);
    if (rc == SQLITE_OK && version < 1) rc = db.exec(kSchema1);
    if (rc == SQLITE_OK && version < 2) rc = db.exec(kSchema2);
    if (rc == SQLITE_OK && version < 3) rc = db.exec(kSchema3);
    if (rc == SQLITE_OK && version < 4) rc = db.exec(kSchema4);
    if (rc == SQLITE_OK && version < 5) rc = db.exec(kSchema5);
    if (rc == SQLITE_OK && version < 6) rc = db.exec(kSchema6);
    if (rc == SQLITE_OK && version < kHistorySchemaVersion) {
        const std::string stamp =
            "PRAGMA application_id = " + std::to_string(kHistoryApplicationId) +
            "; PRAGMA user_version = " + std::to_string(kHistorySchemaVersion) + ";";
        rc = db.exec(stamp.c_str());
    }
    if (rc == SQLITE_OK) rc = db.exec("COMMIT");
    if (rc != SQLITE_OK) {
        db.exec("ROLLBACK");
        return rc;
    }
    // The old aiming took three times the room: the file gives it back once, at the migration.
    // A file that cannot be rebuilt now (a full disk) stays as large and as sound as it is.
    if (version >= 1 && version < 4) db.exec("VACUUM; PRAGMA wal_checkpoint(TRUNCATE);");
    return SQLITE_OK;
}
