#pragma once

#include <cstdint>

#include "match/MatchScreen.h"
#include "match/MatchState.h"
#include "shell/Random.h"

// Windows virtual-key codes the main window passes on.
inline constexpr int32_t kVkLeft = 37;
inline constexpr int32_t kVkUp = 38;
inline constexpr int32_t kVkRight = 39;
inline constexpr int32_t kVkDown = 40;
inline constexpr int32_t kVkDraw = 65;   // A
inline constexpr int32_t kVkNext = 68;   // D
inline constexpr int32_t kVkShoot = 83;  // S

// The match as it is shot: aiming ticks, keys, the next-arrow action, ends, distances and the
// marker styles. It changes MatchState and asks the screen for every visible effect. A
// PictureError thrown by the screen ends the action where it happens and reaches the caller.
class MatchEngine {
public:
    MatchEngine(MatchState& state, MatchScreen& screen, Random& random, ClickerSound& sound);

    // One 10 ms tick of Timer1.
    void Timer1Timer();
    void FormKeyDown(int32_t virtualKey);
    void FormKeyUp(int32_t virtualKey);
    void NextarrowClick();

    void LeftbutClick();
    void UpbutClick();
    void RightbutClick();
    void DownbutClick();

    // The results window has been closed (its close handling).
    void ResultsClosed();

    // Starts or stops Timer1 and tells the screen.
    void SetTimerRunning(bool running);

    // The match state after the player has confirmed a new match: scores cleared, first
    // distance and its target picture, demo decision, first human shown, Nextarrow enabled,
    // markers at rest. `roundType` and `competitors` become the match's.
    void StartMatch(int32_t roundType, const CompetitorTable& competitors);

    const MatchState& state() const { return state_; }

private:
    MatchState& state_;
    MatchScreen& screen_;
    Random& random_;
    ClickerSound& sound_;
};
