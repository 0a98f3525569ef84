#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/bouts/Bout.h"
#include "rules/bouts/BoutField.h"
#include "rules/bouts/Bracket.h"
#include "rules/formats/GameText.h"

// What a bracket shows beside the board, and the bracket itself. The main window carries it
// out; tests record it.

// The line under the board after each set: "3. sada: 27 : 25 — body 4 : 2", the player's
// numbers first; a shoot-off arrow is its own line.
inline constexpr const char* kSetLineText =
    QT_TRANSLATE_NOOP("GameText", "%1. sada: %2 : %3 — body %4 : %5");
inline constexpr const char* kShootOffLineText =
    QT_TRANSLATE_NOOP("GameText", "Rozstřel: %1 : %2 — body %3 : %4");

struct SetLine {
    int32_t set = 0;  // 1..5; 0 for a shoot-off arrow
    SetTotals totals;
    SetTotals points;
    friend bool operator==(const SetLine&, const SetLine&) = default;
};

// The bracket as the window draws it.
struct BracketView {
    const Bracket& bracket;
    const std::vector<BoutEntrant>& entrants;  // by seed, seed 1 first
    std::optional<int32_t> playerSeed;
};

class BracketScreen {
  public:
    virtual ~BracketScreen() = default;
    // The opponent's arrows of the set just shot, as points of the scope view, to be shown one
    // by one in their own colour; none takes them away.
    virtual void showOpponentArrows(const std::vector<Point>& scopePoints) = 0;
    // Nothing hides the line.
    virtual void showSetLine(const std::optional<SetLine>& line) = 0;
    // Shows the bracket modally and returns when it has been closed; once finished it shows
    // the final places.
    virtual void showBracket(const BracketView& view) = 0;
};

class NullBracketScreen final : public BracketScreen {
  public:
    void showOpponentArrows(const std::vector<Point>&) override {}
    void showSetLine(const std::optional<SetLine>&) override {}
    void showBracket(const BracketView&) override {}
};
