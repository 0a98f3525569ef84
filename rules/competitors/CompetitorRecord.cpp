#include "rules/competitors/CompetitorRecord.h"

std::optional<int32_t> FindCompetitor(const CompetitorTable& table, std::string_view name) {
    for (int32_t slot = 0; slot < kCompetitorSlots; ++slot) {
        if (table[slot].Name == name) return slot;
    }
    return std::nullopt;
}

void ClearCompetitor(CompetitorRecord& slot) {
    slot = CompetitorRecord{};
}
