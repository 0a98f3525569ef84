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

FileResult DecodeRecords(std::string_view bytes, RecordTable& table) {
    std::size_t at = 0;
    for (RecordEntry& entry : table) {
        if (bytes.size() < at + kNameLength) return FileResult::Failed;
        entry.Name = readTextField(bytes, at, kNameLength);
        at += kNameLength;
        if (bytes.size() < at + 4) return FileResult::Failed;
        entry.Score = readUInt32LE(bytes, at);
        at += 4;
    }
    return FileResult::Done;
}

FileResult ReadRecords(FileStore& files, const std::string& path, RecordTable& table) {
    auto bytes = files.read(path, kRecordsFileSize);
    if (!bytes) return FileResult::Failed;
    return DecodeRecords(*bytes, table);
}

FileResult WriteRecords(FileStore& files, const std::string& path, const RecordTable& table) {
    return files.write(path, EncodeRecords(table)) ? FileResult::Done : FileResult::Failed;
}

void ClearRecords(RecordTable& table) {
    table.fill(RecordEntry{});
}
