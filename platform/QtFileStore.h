#pragma once

#include "rules/formats/FileStore.h"

// Reads the beginnings of files and replaces them atomically: a save that fails part-way (a full
// disk, a crash) leaves the old file byte for byte.
class QtFileStore final : public FileStore {
  public:
    std::optional<std::string> read(const std::string& path, std::size_t limit) override;
    bool exists(const std::string& path) override;
    bool write(const std::string& path, std::string_view bytes) override;
};
