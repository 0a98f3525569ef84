#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rules/formats/FileStore.h"

// One best result: who set it (cp1250, at most 30 characters) and the score. An unset record
// has an empty name and 0.
struct RecordEntry {
    std::string Name;
    uint32_t Score = 0;
    friend bool operator==(const RecordEntry&, const RecordEntry&) = default;
};

// Men 90, 70, 50, 30 m and full round; women 70, 60, 50, 30 m and full round.
using RecordTable = std::array<RecordEntry, 10>;

inline constexpr const char* kRecordsFile = "records.dat";
// Ten entries of a 30-byte name field and a little-endian unsigned 32-bit score.
inline constexpr std::size_t kRecordEntrySize = 34;
inline constexpr std::size_t kRecordsFileSize = 10 * kRecordEntrySize;

std::string EncodeRecords(const RecordTable& table);
// Takes the fields the bytes hold whole, entry by entry; a field cut off by the end of the bytes
// and everything after it keep their previous contents. Bytes past the tenth entry are ignored.
// Done only when the tenth score was there.
FileResult DecodeRecords(std::string_view bytes, RecordTable& table);

// A file that cannot be read leaves the table untouched; a short one leaves in it whatever it
// held before it ended, and is Failed.
FileResult ReadRecords(FileStore& files, const std::string& path, RecordTable& table);
FileResult WriteRecords(FileStore& files, const std::string& path, const RecordTable& table);
void ClearRecords(RecordTable& table);
