#include "rules/results/Rekordy.h"

#include "rules/competitors/CompetitorRecord.h"
#include "rules/formats/Bytes.h"
#include "rules/formats/FileStore.h"

std::string EncodeRecords(const RecordTable& table) {
    std::string bytes;
    bytes.reserve(kRecordsFileSize);
    for (const RecordEntry& entry : table) {
        appendTextField(bytes, entry.Name, kNameLength);
        appendInt32LE(bytes, entry.Score);
    }
    return bytes;
}

int DecodeRecords(std::string_view bytes, RecordTable& table) {
    std::size_t at = 0;
    for (RecordEntry& entry : table) {
        if (bytes.size() < at + kNameLength) return 1;
        entry.Name = readTextField(bytes, at, kNameLength);
        at += kNameLength;
        if (bytes.size() < at + 4) return 1;
        entry.Score = readUInt32LE(bytes, at);
        at += 4;
    }
    return 0;
}

int ReadRecords(FileStore& files, const std::string& path, RecordTable& table) {
    auto bytes = files.read(path, kRecordsFileSize);
    if (!bytes) return 1;
    return DecodeRecords(*bytes, table);
}

int WriteRecords(FileStore& files, const std::string& path, const RecordTable& table) {
    return files.write(path, EncodeRecords(table)) ? 0 : 1;
}

void ClearRecords(RecordTable& table) {
    table.fill(RecordEntry{});
}
