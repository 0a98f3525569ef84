#pragma once

#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/history/HistoryFile.h"

// Files for the tests of the match history and of whatever else the game writes: a scratch
// folder, whole-file reads and writes, and SQL run on a history file as a player would.

// A fresh folder for one test's history file, removed with everything in it afterwards.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vexa-history-XXXXXX");
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Runs SQL on the file directly, as a player with the sqlite3 program would.
inline void RunSql(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// Every row, each column as text ("" for NULL); no rows when the query cannot run.
inline std::vector<std::vector<std::string>> QueryRows(const std::string& path,
                                                       const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    std::vector<std::vector<std::string>> rows;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            std::vector<std::string>& row = rows.emplace_back();
            for (int column = 0; column < sqlite3_column_count(stmt); ++column) {
                const unsigned char* text = sqlite3_column_text(stmt, column);
                row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
            }
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

// The first column of the first row, as text ("" for none).
inline std::string QueryText(const std::string& path, const std::string& sql) {
    const auto rows = QueryRows(path, sql);
    return rows.empty() || rows[0].empty() ? std::string() : rows[0][0];
}

inline int QueryInt(const std::string& path, const std::string& sql) {
    return std::atoi(QueryText(path, sql).c_str());
}

// Spoils a history the game made, as a later version of the game would leave it.
inline void MakeHistoryNewer(const std::string& path) {
    RunSql(path, "PRAGMA user_version = " + std::to_string(kHistorySchemaVersion + 1) + ";");
}

// Spoils a history the game made beyond its first page, as a failing disk would.
inline void DamageHistory(const std::string& path) {
    std::string bytes = ReadBytes(path);
    for (std::size_t at = 4096; at < bytes.size(); at += 97) bytes[at] = '\x5A';
    WriteBytes(path, bytes);
}
