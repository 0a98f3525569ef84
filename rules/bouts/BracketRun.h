#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "rules/bouts/BoutField.h"
#include "rules/bouts/BoutLog.h"
#include "rules/bouts/Bracket.h"
#include "rules/bouts/BracketScreen.h"
#include "rules/match/EndReferee.h"
#include "rules/match/Random.h"

// A bracket as it is shot: the player's bouts end by end on the board, every other bout by the
// computer when its turn comes in bracket order. It referees the player's practice session,
// which holds all his sets and shoot-offs.
class BracketRun final : public EndReferee {
  public:
    // `seeded` is the field best seed first, the player among them; screen and log must
    // outlive the run.
    BracketRun(std::vector<BoutEntrant> seeded, int32_t size, Random& random, BracketScreen& screen,
               BoutLog& log);

    // Shoots the computer's bouts before the player's first. False when the player has none to
    // shoot: the bracket is then shot to its end.
    bool begin();

    int32_t endClosed(std::span<const PracticeArrow> end) override;
    void endBegins() override;
    void shootOver() override;

    BracketView view() const { return {bracket_, entrants_, playerSeed_}; }
    const Bracket& bracket() const { return bracket_; }
    // The player's final place once the bracket is over.
    std::optional<int32_t> playerPlace() const;

  private:
    // Every bout the computer shoots before the player's next one; all of them once he is out.
    void shootComputerBouts();
    // The player's next bout, when he has one.
    bool nextPlayerBout();
    void finishPlayerBout();
    const BoutEntrant& opponent() const;
    bool playerFirst() const;

    std::vector<BoutEntrant> entrants_;
    Bracket bracket_;
    std::optional<int32_t> playerSeed_;
    Random& random_;
    BracketScreen& screen_;
    BoutLog& log_;

    std::optional<BoutRef> bout_;  // the player's, while he shoots it
    BoutScore score_;              // as the bracket names the archers
    int32_t endsShot_ = 0;
    int32_t boutFirstEnd_ = 1;
};
