#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rules/competitors/CompetitorRecord.h"

#include "rules/formats/FileStore.h"

// "*.luk": the 18-byte header "Brantel 2 players\0", then 150 records of 66 bytes
// (30-byte name, 20-byte club, four little-endian int32 performance values).
inline constexpr std::size_t kCompetitorFileSize = 9918;

std::string encodeCompetitorFile(const CompetitorTable& table);
// The table a competitor file holds, every slot a computer competitor; nothing when the bytes
// are too short or lack the header. Bytes past the 150th record are ignored, as they always were.
std::optional<CompetitorTable> decodeCompetitorFile(std::string_view bytes);

// A failed load leaves the table as it was, a failed save leaves the old file as it was.
FileResult LoadCompetitors(FileStore& files, const std::string& path, CompetitorTable& table);
FileResult SaveCompetitors(FileStore& files, const std::string& path, const CompetitorTable& table);
