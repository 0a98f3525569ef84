#include "fuzz/FuzzTarget.h"
#include "rules/competitors/CompetitorFile.h"

VEXA_FUZZ_TARGET(competitor_file) {
    const auto table = decodeCompetitorFile(bytes);
    if (!table) return;
    for (const CompetitorRecord& c : *table) {
        FuzzCheck(c.Name.size() <= kNameLength && c.Club.size() <= kClubLength, "field lengths");
        FuzzCheck(c.IsComputer, "loaded competitors are computers");
    }
    // What was loaded saves to a file that loads as the same table.
    FuzzCheck(decodeCompetitorFile(encodeCompetitorFile(*table)) == table, "save and load again");
}
