#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "rules/formats/EncodedText.h"

// Thin owners of SQLite's connection and statement handles.

class SqliteConnection {
  public:
    SqliteConnection() = default;
    // Result code of sqlite3_open_v2; the connection is closed again when it failed.
    int open(const std::string& path, int flags);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    sqlite3* get() const { return db_; }
    explicit operator bool() const { return db_ != nullptr; }
    // Runs statements that return no rows; the result code of the first that fails.
    int exec(const char* sql);
    // The first column of the first row as a number; nothing when the query fails.
    bool queryInteger(const char* sql, int64_t& value, int* resultCode = nullptr);

  private:
    sqlite3* db_ = nullptr;
};

class SqliteStatement {
  public:
    SqliteStatement() = default;
    SqliteStatement(sqlite3* db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;

    bool ok() const { return stmt_ != nullptr; }
    int prepareCode() const { return prepareCode_; }

    // Parameters count from 1, as in the SQL text (?1, ?2 ...).
    void bind(int index, int64_t value);
    void bind(int index, std::string_view text);
    void bind(int index, const Utf8Text& text) { bind(index, std::string_view(text.bytes())); }
    void bindBlob(int index, std::string_view bytes);
    void bindNull(int index);
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    // Ready for new parameters.
    void reset();

    int64_t integer(int column) const;
    std::string text(int column) const;
    std::string blob(int column) const;
    bool isNull(int column) const;

  private:
    sqlite3_stmt* stmt_ = nullptr;
    int prepareCode_ = SQLITE_OK;
};
