#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "rules/competitors/CompetitorRecord.h"
#include "rules/formats/EncodedText.h"

// Commands the competitor list dialog closes with.
inline constexpr int32_t kListStart = 0;
inline constexpr int32_t kListAdd = 1;
inline constexpr int32_t kListRemove = 2;
inline constexpr int32_t kListEdit = 3;
inline constexpr int32_t kListRemoveAll = 4;
inline constexpr int32_t kListCancel = 5;

// EditIndex when "Editovat" was pressed with no line selected.
inline constexpr int32_t kNoSlot = -1;

struct ListAnswer {
    int32_t Command = kListCancel;
    int32_t EditIndex = kNoSlot;
};

// The three dialogs of a new match as the set-up sees them. Each "ask" shows its dialog modally
// and returns when it has been closed. Texts are cp1250 bytes.
class SetupPrompts {
  public:
    virtual ~SetupPrompts() = default;

    // Round-type dialog: RoundType 1..4 after OK, nothing when closed any other way.
    virtual std::optional<int32_t> askRoundType() = 0;

    // The list of the list dialog: it sorts its lines itself and keeps its selection.
    virtual void clearList() = 0;
    virtual void addListLine(const std::string& name) = 0;
    // Removes the selected line and returns its text; nothing when no line is selected.
    virtual std::optional<std::string> takeSelectedLine() = 0;

    // Competitor list dialog. It loads files into `table` and sets the kinds there itself.
    virtual ListAnswer askListCommand(CompetitorTable& table) = 0;

    // Puts a competitor into the editor's fields before the next showing.
    virtual void fillEditor(const CompetitorRecord& competitor) = 0;
    // Competitor editor, showing what its fields hold. On OK it writes name, club and values
    // (never the kind) into `spare` and returns true.
    virtual bool askCompetitor(CompetitorRecord& spare) = 0;

    virtual void showMessage(const Utf8Text& caption, const Utf8Text& text) = 0;
};
