#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "rules/match/Geometry.h"

// A head-to-head bout of the recurve bracket, shot in sets of three arrows at 70 m on the 122 cm
// face. A set won takes two set points, a set tied one to each; six set points win the bout.
// At five all, after five sets, one arrow each decides: the higher score, then the arrow
// nearer the centre, then another arrow each.

inline constexpr int32_t kBoutDistance = 70;
inline constexpr int32_t kArrowsPerSet = 3;
inline constexpr int32_t kSetPointsToWin = 6;
inline constexpr int32_t kSecondsPerSet = 120;

// The two archers of a bout: the one named first in the bracket, and his opponent.
enum class BoutSide { First, Second };

struct SetTotals {
    int32_t first = 0;
    int32_t second = 0;
    friend bool operator==(const SetTotals&, const SetTotals&) = default;
};

// An arrow of a bout: its score and where it hit the target picture (its pixels).
struct BoutArrow {
    int32_t score = 0;
    Point hit;
    friend bool operator==(const BoutArrow&, const BoutArrow&) = default;
};

struct ShootOffPair {
    BoutArrow first;
    BoutArrow second;
};

// The set points a set gives each archer: 2 to the higher total, 1 each for a tie.
SetTotals SetPointsOf(SetTotals totals);

// The squared distance of a hit from the target's centre, in picture pixels.
int64_t SquaredDistanceFromCentre(Point hit);

// Who wins a shoot-off with these two arrows; nobody when they score the same and lie equally
// far from the centre.
std::optional<BoutSide> ShootOffWinner(const BoutArrow& first, const BoutArrow& second);

class BoutScore {
  public:
    // A set shot by both; ignored once the bout is decided or in its shoot-off.
    void addSet(SetTotals totals);
    // One arrow each in the shoot-off; ignored outside it.
    void addShootOff(const ShootOffPair& arrows);
    // The bout goes to `side` without an arrow shot: the other archer is not there.
    void walkOver(BoutSide side) { walkOver_ = side; }

    // Set points so far, first archer's first.
    SetTotals setPoints() const;
    bool inShootOff() const;
    std::optional<BoutSide> winner() const;
    bool walkedOver() const { return walkOver_.has_value(); }
    // What each archer shoots next: a set, a shoot-off arrow, nothing once decided.
    int32_t arrowsNext() const;

    const std::vector<SetTotals>& sets() const { return sets_; }
    const std::vector<ShootOffPair>& shootOff() const { return shootOff_; }

  private:
    std::vector<SetTotals> sets_;
    std::vector<ShootOffPair> shootOff_;
    std::optional<BoutSide> walkOver_;
};
