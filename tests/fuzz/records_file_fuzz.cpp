#include "fuzz/FuzzTarget.h"
#include "rules/competitors/CompetitorRecord.h"
#include "rules/results/Rekordy.h"

VEXA_FUZZ_TARGET(records_file) {
    RecordTable table;
    const int result = DecodeRecords(bytes, table);
    FuzzCheck(result == (bytes.size() >= kRecordsFileSize ? 0 : 1), "whole file told by size");
    for (const RecordEntry& entry : table) FuzzCheck(entry.Name.size() <= kNameLength, "name");
    RecordTable again;
    FuzzCheck(DecodeRecords(EncodeRecords(table), again) == 0 && again == table,
              "save and load again");
}
