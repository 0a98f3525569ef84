#include "rules/bouts/BoutField.h"

#include <algorithm>

#include "rules/bouts/Bout.h"
#include "rules/bouts/ComputerArcher.h"
#include "rules/bouts/Seeding.h"
#include "rules/match/LevelField.h"

std::vector<BoutEntrant> SeededField(const BoutEntrant& player, const CompetitorTable& list,
                                     Division division, int32_t size,
                                     std::optional<int32_t> levelHandicap) {
    const Round& round = FullRound(division);
    const int32_t index = round.stageAt(kBoutDistance)->performanceIndex;
    std::vector<std::size_t> computers;
    for (std::size_t slot = 0; slot < list.size(); ++slot) {
        if (!list[slot].isFree() && !IsHumanArcher(list[slot])) computers.push_back(slot);
    }
    std::ranges::stable_sort(computers, std::greater{},
                             [&](std::size_t slot) { return list[slot].Performance[index]; });
    computers.resize(std::min(computers.size(), static_cast<std::size_t>(std::max(size - 1, 0))));

    CompetitorTable field{};
    for (std::size_t place = 0; place < computers.size(); ++place)
        field[place] = list[computers[place]];
    const PerformanceTable performance =
        levelHandicap ? FieldPerformanceAt(field, round.type, *levelHandicap) : PerformanceTable{};

    std::vector<BoutEntrant> entrants{player};
    for (std::size_t place = 0; place < computers.size(); ++place) {
        const CompetitorRecord& archer = field[place];
        const int32_t value = levelHandicap ? performance[place][index] : archer.Performance[index];
        entrants.push_back({.name = archer.Name,
                            .club = archer.Club,
                            .human = false,
                            .handicap = ComputerHandicap(value)});
    }
    std::vector<std::optional<int32_t>> handicaps;
    for (const BoutEntrant& e : entrants) handicaps.push_back(e.handicap);
    std::vector<BoutEntrant> seeded;
    for (std::size_t i : SeedingOrder(handicaps)) seeded.push_back(entrants[i]);
    return seeded;
}

std::optional<int32_t> HumanSeed(const std::vector<BoutEntrant>& entrants) {
    const auto human = std::ranges::find_if(entrants, &BoutEntrant::human);
    if (human == entrants.end()) return std::nullopt;
    return static_cast<int32_t>(human - entrants.begin()) + 1;
}
