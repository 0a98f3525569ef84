#include "rules/match/NewMatchSetup.h"

#include <algorithm>
#include <utility>

#include "rules/competitors/CompetitorFile.h"
#include "rules/formats/GameText.h"
#include "rules/match/Rounds.h"

namespace {

constexpr const char* kFullCaption = QT_TRANSLATE_NOOP("GameText", "Chyba.");
constexpr const char* kFullText = QT_TRANSLATE_NOOP("GameText", "Databáze střelců je zaplněná !");

}  // namespace

NewMatchSetup::NewMatchSetup(MatchState& state, FileStore& files, SetupPrompts& prompts,
                             SetupHooks hooks)
    : state_(state), files_(files), prompts_(prompts), hooks_(std::move(hooks)) {}

void NewMatchSetup::run() {
    // An arrow aimed while the dialogs are open would be released into no end at all.
    const bool timerWasRunning = state_.TimerRunning;
    if (timerWasRunning) hooks_.setTimerRunning(false);

    const std::optional<int32_t> roundType = prompts_.askRoundType();
    const std::optional<Round> round = roundType ? findRound(*roundType) : std::nullopt;
    if (round) {
        // A missing or foreign file leaves the table as the match has it.
        CompetitorTable table = state_.Competitors;
        LoadCompetitors(files_, round->competitorFile, table);
        if (editField(table)) {
            hooks_.startMatch(round->type, table);
            return;
        }
    }
    if (timerWasRunning) hooks_.setTimerRunning(true);
}

bool NewMatchSetup::editField(CompetitorTable& table) {
    prompts_.clearList();
    for (const CompetitorRecord& c : table) {
        if (!c.isFree()) prompts_.addListLine(c.Name);
    }
    for (;;) {
        const ListAnswer answer = prompts_.askListCommand(table);
        switch (answer.Command) {
            case kListStart:
                return true;
            case kListAdd:
                add(table);
                break;
            case kListRemove:
                remove(table);
                break;
            case kListEdit:
                edit(table, answer.EditIndex);
                break;
            case kListRemoveAll:
                removeAll(table);
                break;
            default:
                return false;
        }
    }
}

void NewMatchSetup::add(CompetitorTable& table) {
    CompetitorRecord& spare = state_.SpareCompetitor;
    if (!prompts_.askCompetitor(spare)) return;
    auto slot = std::find_if(table.begin(), table.end(),
                             [](const CompetitorRecord& c) { return c.isFree(); });
    if (slot == table.end()) {
        prompts_.showMessage(GameMessage(kFullCaption), GameMessage(kFullText));
        return;
    }
    *slot = spare;
    // Like every competitor loaded from a file; the player marks the humans in the list.
    slot->IsComputer = true;
    prompts_.addListLine(slot->Name);
}

void NewMatchSetup::remove(CompetitorTable& table) {
    const std::optional<std::string> line = prompts_.takeSelectedLine();
    if (!line) return;
    if (const std::optional<int32_t> slot = FindCompetitor(table, *line))
        ClearCompetitor(table[*slot]);
}

void NewMatchSetup::edit(CompetitorTable& table, int32_t slot) {
    if (slot < 0 || slot >= kCompetitorSlots) return;  // no line was selected
    CompetitorRecord& competitor = table[slot];
    prompts_.fillEditor(competitor);
    CompetitorRecord& spare = state_.SpareCompetitor;
    if (!prompts_.askCompetitor(spare)) return;
    const bool isComputer = competitor.IsComputer;
    competitor = spare;
    competitor.IsComputer = isComputer;
    if (prompts_.takeSelectedLine()) prompts_.addListLine(competitor.Name);
}

void NewMatchSetup::removeAll(CompetitorTable& table) {
    prompts_.clearList();
    for (CompetitorRecord& c : table) ClearCompetitor(c);
}
