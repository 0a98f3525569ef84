#pragma once

#include <cstdint>
#include <string>

#include "platform/history/Sqlite.h"

// The file "historie.db" as the game finds it. Only an absent or empty file, or a database the
// game made itself at this version or before, is ever written to.
enum class HistoryState {
    Ready,         // the game's history, usable
    Absent,        // no file yet: a new one may be made
    NotADatabase,  // not an SQLite database, or somebody else's
    Damaged,
    Newer,     // made by a later version of the game
    Unusable,  // cannot be opened, created or written (read-only folder, full disk ...)
};

inline constexpr const char* kHistoryFile = "historie.db";
inline constexpr int64_t kHistorySchemaVersion = 6;

// Looks at the file without changing a byte of it. `thorough` adds SQLite's quick check,
// which reads every page.
HistoryState CheckHistoryFile(const std::string& path, bool thorough);

// Brings an open database of state Ready or Absent to the current schema in one transaction.
// SQLITE_OK or the code of what failed, with nothing changed.
int MigrateHistory(SqliteConnection& db);

// A later game may keep more; what it keeps in these tables stays readable.
inline constexpr int64_t kHistoryApplicationId = 0x56455841;  // "VEXA"
