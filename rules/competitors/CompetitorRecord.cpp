#include "rules/competitors/CompetitorRecord.h"

int32_t FindCompetitor(const CompetitorTable& table, std::string_view name) {
    for (int32_t slot = 0; slot < kCompetitorSlots; ++slot) {
        if (table[slot].Name == name) return slot;
    }
    return 0;
}

void ClearCompetitor(CompetitorRecord& slot) {
    slot = CompetitorRecord{};
}
