#include "rules/bouts/BoutField.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rules/bouts/ComputerArcher.h"
#include "support/Competitors.h"

namespace {

// Men's 70 m value is the second of the four; the first is 90 m.
CompetitorTable MenList() {
    CompetitorTable list = Field({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    const int32_t at70[] = {50, 90, 20, 70, 60, 80, 30, 40, 10, 85};
    for (std::size_t i = 0; i < 10; ++i) {
        list[i].Performance = {99 - at70[i], at70[i], 0, 0};
    }
    list[10] = {"Human", "", {99, 99, 99, 99}, false};  // never a computer opponent
    return list;
}

const BoutEntrant kPlayer{.name = "Eva", .club = "SK", .human = true, .handicap = 45};

TEST(BoutField, TheStrongestAt70mSeededByHandicapWithThePlayerAmongThem) {
    const std::vector<BoutEntrant> field = SeededField(kPlayer, MenList(), Division::Men, 8, {});
    ASSERT_EQ(field.size(), 8U);
    std::vector<std::string> names;
    for (const BoutEntrant& e : field) names.push_back(e.name);
    // B 90, J 85, F 80, D 70, E 60, A 50, H 40 go in; G, C and I stay out.
    EXPECT_TRUE(
        std::ranges::is_sorted(field, {}, [](const BoutEntrant& e) { return *e.handicap; }));
    EXPECT_EQ(names.front(), "B");
    for (const char* out : {"G", "C", "I", "Human"})
        EXPECT_EQ(std::ranges::count(names, out), 0) << out;
    EXPECT_EQ(field[static_cast<std::size_t>(*HumanSeed(field) - 1)].name, "Eva");
    EXPECT_EQ(field.front().handicap, ComputerHandicap(90));
}

TEST(BoutField, ALevelledFieldSpreadsAroundThePlayersHandicapAndAShortListIsAllThere) {
    const std::vector<BoutEntrant> field = SeededField(kPlayer, MenList(), Division::Men, 32, 45);
    ASSERT_EQ(field.size(), 11U);  // ten computer archers and the player: byes fill the rest
    int32_t best = 150, worst = 0;
    for (const BoutEntrant& e : field) {
        if (e.human) continue;
        best = std::min(best, *e.handicap);
        worst = std::max(worst, *e.handicap);
    }
    EXPECT_NEAR(best, 45 - 15, 2);
    EXPECT_NEAR(worst, 45 + 15, 2);
    EXPECT_EQ(field.front().name, "B");  // the strongest of the list stays the best
    // Without a handicap the player stands in the middle.
    const BoutEntrant unknown{.name = "Eva", .human = true};
    EXPECT_EQ(HumanSeed(SeededField(unknown, MenList(), Division::Men, 8, {})), 4);
}

}  // namespace
