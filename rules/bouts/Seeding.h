#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// How a bracket is drawn: the sizes it comes in, the order of seeding and the seeds that meet
// in its first round.

inline constexpr std::array<int32_t, 3> kBracketSizes = {8, 16, 32};
bool IsBracketSize(int32_t size);

// Two seeds (1 the best) who meet.
struct SeedPair {
    int32_t first;
    int32_t second;
    friend bool operator==(const SeedPair&, const SeedPair&) = default;
};

// The first round's bouts in bracket order, as World Archery draws them: winners of neighbouring
// bouts meet next. Empty for a size the bracket does not come in.
std::span<const SeedPair> FirstRoundPairs(int32_t bracketSize);

// The order of seeding of archers with these handicaps: their indices, the best handicap first,
// equal ones in the order given. An archer without a handicap is put in the middle of the
// others.
std::vector<std::size_t> SeedingOrder(std::span<const std::optional<int32_t>> handicaps);
