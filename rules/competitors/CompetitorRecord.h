#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int kCompetitorSlots = 150;
inline constexpr std::size_t kNameLength = 30;  // cp1250 characters
inline constexpr std::size_t kClubLength = 20;

// One competitor. Texts are cp1250 bytes. An empty Name marks a free slot; a free slot is a
// computer slot with all values 0.
struct CompetitorRecord {
    std::string Name;
    std::string Club;
    std::array<int32_t, 4> Performance{};  // 90/70, 70/60, 50, 30
    bool IsComputer = true;

    bool isFree() const { return Name.empty(); }
    friend bool operator==(const CompetitorRecord&, const CompetitorRecord&) = default;
};

// An archer the player shoots for: a named slot not marked as a computer. Every other slot,
// free ones included, is shot by the computer or not at all.
inline bool IsHumanArcher(const CompetitorRecord& c) {
    return !c.IsComputer && !c.isFree();
}

// Slot order is the order of turns, not the alphabetical order of the list dialog.
using CompetitorTable = std::array<CompetitorRecord, kCompetitorSlots>;

// The first slot whose name equals `name` byte for byte; nothing when none does.
std::optional<int32_t> FindCompetitor(const CompetitorTable& table, std::string_view name);
void ClearCompetitor(CompetitorRecord& slot);
