#include "platform/history/Sqlite.h"

#include <utility>

int SqliteConnection::open(const std::string& path, int flags) {
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db_);
        db_ = nullptr;
    } else {
        sqlite3_extended_result_codes(db_, 0);
    }
    return rc;
}

SqliteConnection::~SqliteConnection() {
    sqlite3_close_v2(db_);
}

int SqliteConnection::exec(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
}

bool SqliteConnection::queryInteger(const char* sql, int64_t& value, int* resultCode) {
    SqliteStatement query(db_, sql);
    const int rc = query.ok() ? query.step() : query.prepareCode();
    if (resultCode) *resultCode = rc == SQLITE_ROW ? SQLITE_OK : rc;
    if (rc != SQLITE_ROW) return false;
    value = query.integer(0);
    return true;
}

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql) {
    prepareCode_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr);
    if (prepareCode_ != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : stmt_(std::exchange(other.stmt_, nullptr)), prepareCode_(other.prepareCode_) {}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
    std::swap(stmt_, other.stmt_);
    std::swap(prepareCode_, other.prepareCode_);
    return *this;
}

void SqliteStatement::bind(int index, int64_t value) {
    sqlite3_bind_int64(stmt_, index, value);
}

void SqliteStatement::bind(int index, std::string_view text) {
    sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

void SqliteStatement::bindBlob(int index, std::string_view bytes) {
    // A zero-length blob, not NULL, for an arrow aimed for no tick at all.
    sqlite3_bind_blob64(stmt_, index, bytes.empty() ? "" : bytes.data(), bytes.size(),
                        SQLITE_TRANSIENT);
}

void SqliteStatement::bindNull(int index) {
    sqlite3_bind_null(stmt_, index);
}

int SqliteStatement::step() {
    return sqlite3_step(stmt_);
}

void SqliteStatement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string SqliteStatement::text(int column) const {
    const auto* bytes = sqlite3_column_text(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return bytes ? std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size))
                 : std::string();
}

std::string SqliteStatement::blob(int column) const {
    const void* bytes = sqlite3_column_blob(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return bytes ? std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(size))
                 : std::string();
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}
