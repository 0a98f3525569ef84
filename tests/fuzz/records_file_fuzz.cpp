#include "fuzz/FuzzTarget.h"
#include "rules/competitors/CompetitorRecord.h"
#include "rules/results/Rekordy.h"

VEXA_FUZZ_TARGET(records_file) {
    RecordTable table;
    const FileResult result = DecodeRecords(bytes, table);
    FuzzCheck(result == (bytes.size() >= kRecordsFileSize ? FileResult::Done : FileResult::Failed),
              "whole file told by size");
    for (const RecordEntry& entry : table) FuzzCheck(entry.Name.size() <= kNameLength, "name");
    RecordTable again;
    FuzzCheck(DecodeRecords(EncodeRecords(table), again) == FileResult::Done && again == table,
              "save and load again");
}
