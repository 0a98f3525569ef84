#include "rules/bouts/Bracket.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "rules/bouts/Seeding.h"

namespace {

// The bracket order built the other way round, from the final down: each seed s of a round
// of n archers meets n + 1 - s, and the places of each pair alternate so that the better seeds
// of neighbouring bouts are as far apart as they can be.
std::vector<int32_t> SeedsByDoubling(int32_t size) {
    std::vector<int32_t> seeds = {1};
    while (static_cast<int32_t>(seeds.size()) < size) {
        const auto n = static_cast<int32_t>(seeds.size()) * 2;
        std::vector<int32_t> next;
        for (std::size_t i = 0; i < seeds.size(); ++i) {
            const int32_t partner = n + 1 - seeds[i];
            next.push_back(i % 2 == 0 ? seeds[i] : partner);
            next.push_back(i % 2 == 0 ? partner : seeds[i]);
        }
        seeds = next;
    }
    return seeds;
}

TEST(Seeding, TheTablesAreTheBracketOrderBuiltByDoubling) {
    for (int32_t size : kBracketSizes) {
        const std::vector<int32_t> order = SeedsByDoubling(size);
        const auto pairs = FirstRoundPairs(size);
        ASSERT_EQ(pairs.size() * 2, order.size()) << size;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const SeedPair built{std::min(order[2 * i], order[2 * i + 1]),
                                 std::max(order[2 * i], order[2 * i + 1])};
            EXPECT_EQ(pairs[i], built) << size << " bout " << i;
        }
    }
    EXPECT_TRUE(FirstRoundPairs(12).empty());
}

TEST(Seeding, NeighbouringBoutsMeetAsTheSportDraws) {
    // Seeds 1 and 2 meet only in the final, 1 to 4 only in the semi-finals.
    for (int32_t size : kBracketSizes) {
        const auto pairs = FirstRoundPairs(size);
        const std::size_t half = pairs.size() / 2;
        EXPECT_EQ(pairs.front().first, 1);
        EXPECT_EQ(pairs.back().first, 2);
        auto inHalf = [&](int32_t seed, bool top) {
            const auto from = pairs.begin() + (top ? 0 : static_cast<std::ptrdiff_t>(half));
            return std::any_of(from, from + static_cast<std::ptrdiff_t>(half),
                               [&](const SeedPair& p) { return p.first == seed; });
        };
        EXPECT_TRUE(inHalf(4, true)) << size;
        EXPECT_TRUE(inHalf(3, false)) << size;
    }
}

TEST(Seeding, BestHandicapFirstAndAnArcherWithoutOneInTheMiddle) {
    const std::vector<std::optional<int32_t>> handicaps = {40, 12, std::nullopt, 30, 12};
    EXPECT_EQ(SeedingOrder(handicaps), (std::vector<std::size_t>{1, 4, 2, 3, 0}));
}

// Plays every bout for the better seed, except that `upsets` lists seeds who beat anybody.
void PlayOut(Bracket& bracket, const std::vector<int32_t>& upsets = {}) {
    while (const std::optional<BoutRef> next = bracket.nextBout()) {
        const BracketBout& b = bracket.bout(*next);
        const bool firstWins = std::ranges::count(upsets, *b.second)  ? false
                               : std::ranges::count(upsets, *b.first) ? true
                                                                      : *b.first < *b.second;
        BoutScore score;
        for (int i = 0; i < 3; ++i) score.addSet(firstWins ? SetTotals{30, 0} : SetTotals{0, 30});
        bracket.decide(*next, score);
    }
}

TEST(Bracket, FullBracketsGiveThePlacesOfTheSport) {
    for (int32_t size : kBracketSizes) {
        Bracket bracket(size, size);
        PlayOut(bracket);
        ASSERT_TRUE(bracket.finished());
        std::vector<int32_t> places = bracket.finalPlaces();
        // Each place shared by as many archers as lost in its round.
        std::vector<int32_t> expected = {1, 2, 3, 4};
        for (int32_t from = 5; from <= size; from = 2 * from - 1) {
            for (int32_t i = from; i < std::min(2 * from - 1, size + 1); ++i)
                expected.push_back(from);
        }
        std::ranges::sort(places);
        EXPECT_EQ(places, expected) << size;
        EXPECT_EQ(bracket.finalPlaces()[0], 1);
        EXPECT_EQ(bracket.finalPlaces()[1], 2);
    }
}

TEST(Bracket, SemiFinalLosersMeetForBronze) {
    Bracket bracket(8, 8);
    PlayOut(bracket, {7});  // 7 beats 2 and 3, then 1 in the final
    const auto& stages = bracket.stages();
    ASSERT_EQ(stages.size(), 4U);
    EXPECT_EQ(stages[2].round, BracketRound::BronzeMatch);
    EXPECT_EQ(stages[2].bouts[0].first, 4);
    EXPECT_EQ(stages[2].bouts[0].second, 3);
    const std::vector<int32_t> places = bracket.finalPlaces();
    EXPECT_EQ(places[6], 1);
    EXPECT_EQ(places[0], 2);
    EXPECT_EQ(places[2], 3);
    EXPECT_EQ(places[3], 4);
    EXPECT_EQ(places[1], 5);
}

TEST(Bracket, AShortListGivesTheBestSeedsByes) {
    Bracket bracket(16, 11);
    // Seeds 12..16 are missing: 1..5 go through unopposed, so the first round has three bouts.
    int32_t bouts = 0;
    for (const BracketBout& b : bracket.stages()[0].bouts) {
        if (b.first && b.second) ++bouts;
        if (!b.second) {
            EXPECT_LE(*b.first, 5);
            EXPECT_EQ(b.winner(), b.first);
        }
    }
    EXPECT_EQ(bouts, 3);
    PlayOut(bracket);
    const std::vector<int32_t> places = bracket.finalPlaces();
    EXPECT_EQ(std::ranges::count(places, 9), 3);
    EXPECT_EQ(std::ranges::count(places, 0), 0);

    // Two archers in a bracket of 8 meet in the final; nobody is left for bronze.
    Bracket two(8, 2);
    ASSERT_TRUE(two.nextBout());
    EXPECT_EQ(two.stages()[two.nextBout()->stage].round, BracketRound::Final);
    PlayOut(two);
    EXPECT_EQ(two.finalPlaces(), (std::vector<int32_t>{1, 2}));
}

TEST(Bracket, TheNextBoutOfAnArcherFollowsHimUntilHeIsOut) {
    Bracket bracket(8, 8);
    EXPECT_EQ(bracket.nextBoutOf(5), (BoutRef{0, 1}));
    PlayOut(bracket);
    EXPECT_FALSE(bracket.nextBoutOf(5));
    EXPECT_EQ(bracket.finalPlaces()[4], 5);
}

}  // namespace
