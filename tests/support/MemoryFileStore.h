#pragma once

#include <map>
#include <set>
#include <string>

#include "rules/formats/FileStore.h"

// Files held in memory; paths can be made unreadable or unwritable to test failures.
class MemoryFileStore final : public FileStore {
  public:
    std::map<std::string, std::string> files;
    std::set<std::string> unwritable;
    std::set<std::string> unreadable;
    int writes = 0;

    std::optional<std::string> read(const std::string& path, std::size_t limit) override {
        if (unreadable.count(path)) return std::nullopt;
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second.substr(0, limit);
    }
    bool exists(const std::string& path) override { return files.count(path) != 0; }
    bool write(const std::string& path, std::string_view bytes) override {
        ++writes;
        if (unwritable.count(path)) return false;
        files[path] = std::string(bytes);
        return true;
    }
};
