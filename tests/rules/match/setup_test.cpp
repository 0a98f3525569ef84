#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "rules/competitors/CompetitorFile.h"
#include "rules/formats/Utf8.h"
#include "rules/match/NewMatchSetup.h"
#include "support/Competitors.h"
#include "support/MemoryFileStore.h"
#include "support/ScriptedPrompts.h"
#include "support/SetupRecorder.h"

namespace {

CompetitorRecord Archer(std::string name, std::array<int32_t, 4> values = {50, 60, 70, 80}) {
    return CompetitorRecord{.Name = std::move(name), .Club = "LK Votice", .Performance = values};
}

class NewMatchSetupTest : public ::testing::Test, protected SetupRecorder {
  protected:
    NewMatchSetupTest() {
        files.files["muzi.luk"] = encodeCompetitorFile(Field({"Dvorak", "Adam", "Cibulka"}));
        files.files["zeny.luk"] = encodeCompetitorFile(Field({"Zelena", "Bila"}));
    }

    // A match of the full men's round under way, an arrow being aimed.
    void matchUnderWay() {
        state.RoundType = 3;
        state.Competitors = Field({"Hruby", "Maly"});
        state.Competitors[1].IsComputer = false;
        state.Scores[1].Score90 = 123;
        state.Distance = 70;
        state.TimerRunning = true;
    }

    void run() {
        NewMatchSetup setup(state, files, prompts, hooks(state));
        setup.run();
    }
    const CompetitorTable& startedTable() const { return started.value().second; }

    MatchState state;
    MemoryFileStore files;
    ScriptedPrompts prompts;
};

TEST_F(NewMatchSetupTest, CancelAtRoundTypeLeavesTheMatchAndResumesItsTimer) {
    matchUnderWay();
    const CompetitorTable before = state.Competitors;
    prompts.roundType = std::nullopt;
    run();
    EXPECT_EQ(prompts.listShown, 0);
    EXPECT_FALSE(started);
    EXPECT_EQ(state.Competitors, before);
    EXPECT_EQ(state.RoundType, 3);
    EXPECT_EQ(timerCalls, (std::vector<bool>{false, true}));
}

TEST_F(NewMatchSetupTest, TimerThatWasStoppedIsNotTouched) {
    prompts.roundType = std::nullopt;
    run();
    EXPECT_TRUE(timerCalls.empty());
}

TEST_F(NewMatchSetupTest, EachRoundTypeLoadsTheFileOfItsGenderAndStarts) {
    const std::vector<std::pair<int32_t, std::string>> rounds = {
        {1, "muzi.luk"}, {2, "zeny.luk"}, {3, "muzi.luk"}, {4, "zeny.luk"}};
    for (const auto& [roundType, file] : rounds) {
        SCOPED_TRACE(roundType);
        prompts = ScriptedPrompts{};
        started.reset();
        prompts.roundType = roundType;
        prompts.listSteps = {ScriptedPrompts::command(kListStart)};
        run();
        ASSERT_TRUE(started);
        EXPECT_EQ(started->first, roundType);
        EXPECT_EQ(startedTable(), decodeCompetitorFile(files.files[file]).value());
    }
}

TEST_F(NewMatchSetupTest, ListShowsTheNamedSlotsAndOkStartsWithTheTimerStillHeld) {
    matchUnderWay();
    prompts.roundType = 1;
    prompts.listSteps = {ScriptedPrompts::command(kListStart)};
    run();
    EXPECT_EQ(prompts.lines, (std::vector<std::string>{"Dvorak", "Adam", "Cibulka"}));
    ASSERT_TRUE(started);
    EXPECT_EQ(timerCalls, (std::vector<bool>{false}));
    // The set-up hands the new match over; the state itself is the engine's to change.
    EXPECT_EQ(state.Competitors[0].Name, "Hruby");
}

TEST_F(NewMatchSetupTest, MissingOrForeignFileKeepsTheTableOfTheMatch) {
    matchUnderWay();
    files.files.erase("zeny.luk");
    files.files["muzi.luk"] = "not a competitor file";
    for (int32_t roundType : {1, 2}) {
        prompts = ScriptedPrompts{};
        prompts.roundType = roundType;
        prompts.listSteps = {ScriptedPrompts::command(kListStart)};
        run();
        EXPECT_EQ(prompts.lines, (std::vector<std::string>{"Hruby", "Maly"}));
        EXPECT_EQ(startedTable(), state.Competitors);
    }
}

TEST_F(NewMatchSetupTest, CancelInTheListAfterChangesLeavesTheRunningMatchAsItWas) {
    matchUnderWay();
    const CompetitorTable before = state.Competitors;
    prompts.roundType = 4;
    prompts.editorAnswers = {Archer("Nova")};
    prompts.listSteps = {
        ScriptedPrompts::command(kListAdd),
        ScriptedPrompts::selectThen("Zelena", kListRemove),
        [](ScriptedPrompts&, CompetitorTable& table) {
            table[1].IsComputer = false;  // "Člověk" on the list's line
            return ListAnswer{kListCancel};
        },
    };
    run();
    EXPECT_EQ(prompts.listShown, 3);
    EXPECT_FALSE(started);
    EXPECT_EQ(state.Competitors, before);
    EXPECT_EQ(state.RoundType, 3);
    EXPECT_EQ(state.Distance, 70);
    EXPECT_EQ(state.Scores[1].Score90, 123);
    EXPECT_EQ(timerCalls, (std::vector<bool>{false, true}));
}

TEST_F(NewMatchSetupTest, AddToAFullTableShowsTheMessageAndAddsNothing) {
    std::vector<std::string> names;
    for (int i = 0; i < kCompetitorSlots; ++i) names.push_back("Archer " + std::to_string(i));
    files.files["muzi.luk"] = encodeCompetitorFile(Field(names));
    prompts.roundType = 3;
    prompts.editorAnswers = {Archer("Navic")};
    prompts.listSteps = {ScriptedPrompts::command(kListAdd), ScriptedPrompts::command(kListStart)};
    run();
    ASSERT_EQ(prompts.messages.size(), 1u);
    // The game's own words, as its code page spells them.
    EXPECT_EQ(prompts.messages[0].first, ToUtf8(Cp1250Text{"Chyba."}));
    EXPECT_EQ(prompts.messages[0].second, ToUtf8(Cp1250Text{"Datab\xE1ze st\xF8"
                                                            "elc\xF9 je zapln\xEC"
                                                            "n\xE1 !"}));
    EXPECT_EQ(prompts.lines.size(), 150u);
    EXPECT_EQ(startedTable(), Field(names));
}

TEST_F(NewMatchSetupTest, AddAfterRemoveFillsTheLowestFreeSlotAsAComputer) {
    prompts.roundType = 1;
    state.SpareCompetitor.IsComputer = false;  // left so by the results window
    prompts.editorAnswers = {Archer("Novy", {5, 6, 7, 8})};
    prompts.listSteps = {ScriptedPrompts::selectThen("Adam", kListRemove),
                         ScriptedPrompts::command(kListAdd), ScriptedPrompts::command(kListStart)};
    run();
    const CompetitorTable& table = startedTable();
    EXPECT_EQ(table[0].Name, "Dvorak");
    EXPECT_EQ(table[1], Archer("Novy", {5, 6, 7, 8}));
    EXPECT_TRUE(table[1].IsComputer);
    EXPECT_EQ(table[2].Name, "Cibulka");
    EXPECT_EQ(prompts.lines, (std::vector<std::string>{"Dvorak", "Cibulka", "Novy"}));
}

TEST_F(NewMatchSetupTest, AddCancelledInTheEditorChangesNothing) {
    prompts.roundType = 1;
    prompts.editorAnswers = {std::nullopt};
    prompts.listSteps = {ScriptedPrompts::command(kListAdd), ScriptedPrompts::command(kListStart)};
    run();
    EXPECT_EQ(startedTable(), Field({"Dvorak", "Adam", "Cibulka"}));
    EXPECT_EQ(prompts.lines.size(), 3u);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(NewMatchSetupTest, RemoveAllThenOkStartsWithAnEmptyField) {
    prompts.roundType = 2;
    prompts.listSteps = {[](ScriptedPrompts&, CompetitorTable& table) {
                             table[0].IsComputer = false;
                             return ListAnswer{kListRemoveAll};
                         },
                         ScriptedPrompts::command(kListStart)};
    run();
    EXPECT_TRUE(prompts.lines.empty());
    EXPECT_EQ(startedTable(), CompetitorTable{});  // free computer slots: a demo
}

TEST_F(NewMatchSetupTest, EditShowsTheSlotAndKeepsItsKind) {
    prompts.roundType = 1;
    prompts.editorAnswers = {Archer("Cibulkova", {11, 22, 33, 44})};
    prompts.listSteps = {[](ScriptedPrompts& p, CompetitorTable& table) {
                             table[2].IsComputer = false;
                             p.select("Cibulka");
                             return ListAnswer{kListEdit, 2};
                         },
                         ScriptedPrompts::command(kListStart)};
    run();
    ASSERT_EQ(prompts.editorFills.size(), 1u);
    EXPECT_EQ(prompts.editorFills[0].Name, "Cibulka");
    const CompetitorRecord& edited = startedTable()[2];
    EXPECT_EQ(edited.Name, "Cibulkova");
    EXPECT_EQ(edited.Performance, (std::array<int32_t, 4>{11, 22, 33, 44}));
    EXPECT_FALSE(edited.IsComputer);
    EXPECT_EQ(prompts.lines, (std::vector<std::string>{"Dvorak", "Adam", "Cibulkova"}));
}

TEST_F(NewMatchSetupTest, EditCancelledOrWithoutSelectionChangesNothing) {
    prompts.roundType = 1;
    prompts.editorAnswers = {std::nullopt};
    prompts.listSteps = {ScriptedPrompts::selectThen("Adam", kListEdit, 1),
                         ScriptedPrompts::command(kListEdit, kNoSlot),
                         ScriptedPrompts::command(kListStart)};
    run();
    EXPECT_EQ(prompts.editorShown, 1);  // not for the edit without a line
    EXPECT_EQ(prompts.listShown, 3);
    EXPECT_EQ(startedTable(), Field({"Dvorak", "Adam", "Cibulka"}));
    EXPECT_EQ(prompts.lines.size(), 3u);
}

TEST_F(NewMatchSetupTest, RemoveOfOneOfTwoEqualNamesClearsTheLowerSlot) {
    files.files["muzi.luk"] = encodeCompetitorFile(Field({"Adam", "Novak", "Bem", "Novak"}));
    prompts.roundType = 1;
    prompts.listSteps = {[](ScriptedPrompts& p, CompetitorTable&) {
                             p.selected = 3;  // the second "Novak" line
                             return ListAnswer{kListRemove};
                         },
                         ScriptedPrompts::command(kListStart)};
    run();
    const CompetitorTable& table = startedTable();
    EXPECT_TRUE(table[1].isFree());
    EXPECT_EQ(table[3].Name, "Novak");
    EXPECT_EQ(prompts.lines, (std::vector<std::string>{"Adam", "Novak", "Bem"}));
}

TEST_F(NewMatchSetupTest, RemoveWithNothingSelectedChangesNothing) {
    prompts.roundType = 1;
    prompts.listSteps = {ScriptedPrompts::command(kListRemove),
                         ScriptedPrompts::command(kListStart)};
    run();
    EXPECT_EQ(prompts.listShown, 2);
    EXPECT_EQ(startedTable(), Field({"Dvorak", "Adam", "Cibulka"}));
    EXPECT_EQ(prompts.lines.size(), 3u);
}

}  // namespace
