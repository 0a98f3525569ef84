#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "rules/match/SetupPrompts.h"

// The set-up's dialogs without a screen. The round-type answer, every showing of the list
// dialog and every answer of the editor are scripted; the list keeps its lines and selection
// like the real one, and everything shown is recorded. A showing with no script left throws.
class ScriptedPrompts final : public SetupPrompts {
  public:
    // One showing of the list dialog: may select a line or change the table the way the dialog
    // does (kinds, loading), then names the command it closes with.
    using ListStep = std::function<ListAnswer(ScriptedPrompts&, CompetitorTable&)>;

    std::optional<int32_t> roundType;  // nothing: the round-type dialog is cancelled
    std::deque<ListStep> listSteps;
    std::deque<std::optional<CompetitorRecord>> editorAnswers;  // nothing: "Storno"

    std::vector<std::string> lines;
    std::optional<std::size_t> selected;

    int roundTypeShown = 0;
    int listShown = 0;
    int editorShown = 0;
    std::vector<CompetitorRecord> editorFills;
    std::vector<std::pair<Utf8Text, Utf8Text>> messages;

    static ListStep command(int32_t command, int32_t editIndex = kNoSlot) {
        return [=](ScriptedPrompts&, CompetitorTable&) { return ListAnswer{command, editIndex}; };
    }
    // Selects the first line with this text, then closes with `command`.
    static ListStep selectThen(std::string name, int32_t command, int32_t editIndex = kNoSlot) {
        return [=](ScriptedPrompts& p, CompetitorTable&) {
            p.select(name);
            return ListAnswer{command, editIndex};
        };
    }
    void select(const std::string& name) {
        auto it = std::find(lines.begin(), lines.end(), name);
        if (it == lines.end()) throw std::logic_error("ScriptedPrompts: no line " + name);
        selected = static_cast<std::size_t>(it - lines.begin());
    }

    std::optional<int32_t> askRoundType() override {
        ++roundTypeShown;
        return roundType;
    }
    void clearList() override {
        lines.clear();
        selected.reset();
    }
    void addListLine(const std::string& name) override { lines.push_back(name); }
    std::optional<std::string> takeSelectedLine() override {
        if (!selected) return std::nullopt;
        std::string text = lines[*selected];
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*selected));
        selected.reset();
        return text;
    }
    ListAnswer askListCommand(CompetitorTable& table) override {
        ++listShown;
        if (listSteps.empty()) throw std::logic_error("ScriptedPrompts: list dialog unscripted");
        ListStep step = std::move(listSteps.front());
        listSteps.pop_front();
        return step(*this, table);
    }
    void fillEditor(const CompetitorRecord& competitor) override {
        editorFills.push_back(competitor);
    }
    bool askCompetitor(CompetitorRecord& spare) override {
        ++editorShown;
        if (editorAnswers.empty()) throw std::logic_error("ScriptedPrompts: editor unscripted");
        std::optional<CompetitorRecord> answer = std::move(editorAnswers.front());
        editorAnswers.pop_front();
        if (!answer) return false;
        spare.Name = answer->Name;
        spare.Club = answer->Club;
        spare.Performance = answer->Performance;
        return true;
    }
    void showMessage(const Utf8Text& caption, const Utf8Text& text) override {
        messages.emplace_back(caption, text);
    }
};
