#pragma once

#include <cstdint>
#include <span>

#include "rules/match/PracticeSession.h"

// Who rules on the ends of a practice that is a contest, such as bouts shot in sets: after every
// end he says how long the next one is, and when the shoot is over.
class EndReferee {
  public:
    virtual ~EndReferee() = default;

    // The arrows of the end just closed, in the order shot; returns the arrows of the next end,
    // 0 when the shoot is over.
    virtual int32_t endClosed(std::span<const PracticeArrow> end) = 0;
    // The first arrow of the next end is nocked.
    virtual void endBegins() = 0;
    // The shoot is over and its history told so.
    virtual void shootOver() = 0;
};
