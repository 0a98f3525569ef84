#include "rules/bouts/Seeding.h"

#include <algorithm>

namespace {

constexpr std::array<SeedPair, 4> kPairs8 = {{{1, 8}, {4, 5}, {3, 6}, {2, 7}}};
constexpr std::array<SeedPair, 8> kPairs16 = {
    {{1, 16}, {8, 9}, {5, 12}, {4, 13}, {3, 14}, {6, 11}, {7, 10}, {2, 15}}};
constexpr std::array<SeedPair, 16> kPairs32 = {{{1, 32},
                                                {16, 17},
                                                {9, 24},
                                                {8, 25},
                                                {5, 28},
                                                {12, 21},
                                                {13, 20},
                                                {4, 29},
                                                {3, 30},
                                                {14, 19},
                                                {11, 22},
                                                {6, 27},
                                                {7, 26},
                                                {10, 23},
                                                {15, 18},
                                                {2, 31}}};

}  // namespace

bool IsBracketSize(int32_t size) {
    return std::ranges::find(kBracketSizes, size) != kBracketSizes.end();
}

std::span<const SeedPair> FirstRoundPairs(int32_t bracketSize) {
    switch (bracketSize) {
        case 8:
            return kPairs8;
        case 16:
            return kPairs16;
        case 32:
            return kPairs32;
        default:
            return {};
    }
}

std::vector<std::size_t> SeedingOrder(std::span<const std::optional<int32_t>> handicaps) {
    std::vector<std::size_t> known;
    std::vector<std::size_t> unknown;
    for (std::size_t i = 0; i < handicaps.size(); ++i) {
        (handicaps[i] ? known : unknown).push_back(i);
    }
    std::ranges::stable_sort(known, {}, [&](std::size_t i) { return *handicaps[i]; });
    const auto middle = known.begin() + static_cast<std::ptrdiff_t>(known.size() / 2);
    known.insert(middle, unknown.begin(), unknown.end());
    return known;
}
