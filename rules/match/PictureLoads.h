#pragma once

#include <exception>
#include <string>

#include "rules/match/MatchScreen.h"

// The picture loads of one action of the engine. A picture that cannot be read must not stop
// the action half-way through its bookkeeping: an end left unscored, or a distance that never
// changes, would break the match for good. So the first failure is kept, the action finishes,
// and then the failure is thrown for the window to show.
class PictureLoads {
  public:
    explicit PictureLoads(MatchScreen& screen) : screen_(screen) {}

    void load(PictureSlot slot, const std::string& fileName);
    // Throws the first PictureError met, if any.
    void throwFirstFailure() const;

  private:
    MatchScreen& screen_;
    std::exception_ptr firstFailure_;
};
