#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "rules/bouts/Bout.h"

// An elimination bracket of 8, 16 or 32 seeds, shot round by round down to the final; the
// semi-final losers meet for bronze. Seeds beyond the entrants are byes: their opponents go
// through unopposed, so the best seeds of a short list are spared the first rounds.

enum class BracketRound { Last32, Last16, QuarterFinal, SemiFinal, BronzeMatch, Final };

// The round's name, marked for translation.
const char* BracketRoundName(BracketRound round);

struct BracketBout {
    std::optional<int32_t> first;   // seed numbers, 1 the best; empty for a bye
    std::optional<int32_t> second;  // ... or for an archer not yet known
    BoutScore score;
    bool settled = false;  // shot, walked over, or left empty by two byes

    std::optional<int32_t> winner() const;
    std::optional<int32_t> loser() const;
};

struct BracketStage {
    BracketRound round;
    std::vector<BracketBout> bouts;  // in bracket order
};

// Where a bout stands in the bracket.
struct BoutRef {
    std::size_t stage = 0;
    std::size_t bout = 0;
    friend bool operator==(const BoutRef&, const BoutRef&) = default;
};

class Bracket {
  public:
    // A bracket of `size` seeds, of which 1..`entrants` are there. A size that is not a
    // bracket size is taken as the nearest one.
    Bracket(int32_t size, int32_t entrants);

    int32_t size() const { return size_; }
    int32_t entrants() const { return entrants_; }
    // In the order of shooting: the elimination rounds, the bronze medal match, the final.
    const std::vector<BracketStage>& stages() const { return stages_; }
    const BracketBout& bout(BoutRef where) const { return stages_[where.stage].bouts[where.bout]; }

    // The next bout with both archers known and not yet shot; empty once all are settled.
    std::optional<BoutRef> nextBout() const;
    // The first bout still to shoot of `seed`; empty once he is out or the bracket is over.
    std::optional<BoutRef> nextBoutOf(int32_t seed) const;
    // Keeps the bout's score once it is decided and sends its archers on.
    void decide(BoutRef where, const BoutScore& score);
    bool finished() const { return !nextBout(); }

    // The final place of each seed 1..entrants (index seed - 1) once the bracket is finished:
    // 1 and 2 from the final, 3 and 4 from the bronze medal match, then 5, 9 and 17 for the
    // losers of the quarter-finals, of the 1/8 and of the 1/16; 0 for a seed still in.
    std::vector<int32_t> finalPlaces() const;

  private:
    // Fills every bout whose archers are known, and settles those that need no arrow.
    void settle();
    std::optional<int32_t> archerFrom(std::size_t stage, std::size_t bout, BoutSide side) const;
    bool ready(std::size_t stage, std::size_t bout) const;

    int32_t size_;
    int32_t entrants_;
    std::vector<BracketStage> stages_;
};
