#include "rules/competitors/CompetitorFile.h"

#include "rules/formats/Bytes.h"
#include "rules/formats/FileStore.h"

namespace {

constexpr std::string_view kHeader{"Brantel 2 players\0", 18};
constexpr std::size_t kRecordSize = 66;

}  // namespace

std::string encodeCompetitorFile(const CompetitorTable& table) {
    std::string bytes(kHeader);
    bytes.reserve(kCompetitorFileSize);
    for (const CompetitorRecord& c : table) {
        appendTextField(bytes, c.Name, kNameLength);
        appendTextField(bytes, c.Club, kClubLength);
        for (int32_t value : c.Performance) appendInt32LE(bytes, static_cast<uint32_t>(value));
    }
    return bytes;
}

std::optional<CompetitorTable> decodeCompetitorFile(std::string_view bytes) {
    if (bytes.size() < kCompetitorFileSize || bytes.substr(0, kHeader.size()) != kHeader) {
        return std::nullopt;
    }
    CompetitorTable table;
    std::size_t at = kHeader.size();
    for (CompetitorRecord& c : table) {
        c.Name = readTextField(bytes, at, kNameLength);
        c.Club = readTextField(bytes, at + kNameLength, kClubLength);
        for (std::size_t i = 0; i < c.Performance.size(); ++i) {
            c.Performance[i] = static_cast<int32_t>(readUInt32LE(bytes, at + 50 + 4 * i));
        }
        c.IsComputer = true;
        at += kRecordSize;
    }
    return table;
}

FileResult LoadCompetitors(FileStore& files, const std::string& path, CompetitorTable& table) {
    auto bytes = files.read(path, kCompetitorFileSize);
    if (!bytes) return FileResult::Failed;
    auto loaded = decodeCompetitorFile(*bytes);
    if (!loaded) return FileResult::Failed;
    table = *loaded;
    return FileResult::Done;
}

FileResult SaveCompetitors(FileStore& files, const std::string& path,
                           const CompetitorTable& table) {
    return files.write(path, encodeCompetitorFile(table)) ? FileResult::Done : FileResult::Failed;
}
