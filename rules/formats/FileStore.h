#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// How loading or saving one of the game's files went.
enum class FileResult { Done, Failed };

// Whole-file access for the game's formats. The rules encode and decode bytes; only the
// store touches the disk. Paths are the file system's own names (UTF-8), not game text.
class FileStore {
  public:
    virtual ~FileStore() = default;
    // The file's first bytes, at most `limit` of them (a format that must refuse a longer file
    // asks for one byte more than it can use), or nothing when it cannot be opened or read.
    virtual std::optional<std::string> read(const std::string& path, std::size_t limit) = 0;
    // Whether anything is at `path`, readable or not: tells a missing file from one that is
    // there but cannot be read.
    virtual bool exists(const std::string& path) = 0;
    // Replaces the file with exactly these bytes, or leaves the old file untouched and
    // returns false.
    virtual bool write(const std::string& path, std::string_view bytes) = 0;
};
