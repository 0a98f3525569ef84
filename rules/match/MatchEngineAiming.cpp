#include <algorithm>

#include "rules/match/Aiming.h"
#include "rules/match/MatchEngine.h"
#include "rules/match/PictureLoads.h"
#include "rules/match/Scoring.h"

namespace {

// Aiming ticks between two readings of the wind's speed and direction: once a second, as a
// range's anemometer shows them. The flag shows the gusts in between.
constexpr int64_t kWindReadingTicks = 100;
// Aiming ticks between two looks at the flag: twenty a second, which a flutter of four a second
// and the readings fall on.
constexpr int64_t kWindLookTicks = 5;
static_assert(kWindReadingTicks % kWindLookTicks == 0, "a reading is taken at a look");

}  // namespace

void MatchEngine::Timer1Timer() {
    MatchState& s = state_;
    // Time up: the arrow on the bow is lost, whatever the keys say.
    if (EndClockExpired()) {
        PictureLoads pictures(screen_);
        ExpireEnd(pictures);
        pictures.throwFirstFailure();
        return;
    }
    if (++windTick_ % kWindLookTicks == 0) ShowWind();
    if (SwayGrowsByItself(s.Difficulty)) ++s.Unsteadiness;
    const int32_t amp = s.Unsteadiness / SwayDivisor(s.Difficulty);
    Point sight = s.Sight;
    sight.x += random_.random(2 * amp + 1) - amp;
    sight.y += random_.random(2 * amp + 1) - amp;
    if (s.KeyLeft) sight.x -= kKeyStep;
    if (s.KeyUp) sight.y -= kKeyStep;
    if (s.KeyRight) sight.x += kKeyStep;
    if (s.KeyDown) sight.y += kKeyStep;

    if (s.KeyShoot || s.ShotPressed) {
        // The arrow flies from where this tick put the sight, even a few pixels off the target.
        MoveSight(sight);
        PictureLoads pictures(screen_);
        Release(pictures);
        pictures.throwFirstFailure();
        return;
    }

    int32_t arrow = s.ArrowLeft;
    if (s.KeyDraw) {
        arrow += kDrawStep;
        ++s.Unsteadiness;
    } else {
        arrow += kLetDownStep;
        --s.Unsteadiness;
    }
    if (arrow > 0) {
        arrow = 0;
        s.Unsteadiness = kLetDownUnsteadiness;
        s.ClickerArmed = true;
    }
    MoveDrawnArrow(arrow);
    if (arrow < kClickerLeft && s.ClickerArmed) {
        sounds_.play(RangeSound::ClickerTick);
        s.ClickerArmed = false;
    }
    sight.x = std::clamp(sight.x, 0, kSightMaxLeft);
    sight.y = std::clamp(sight.y, 0, kSightMaxLeft);
    MoveSight(sight);
}

void MatchEngine::Release(PictureLoads& pictures) {
    MatchState& s = state_;
    int32_t x = s.Sight.x + kSightAimOffset;
    int32_t y = s.Sight.y + kSightAimOffset;
    const int32_t factor = ReleaseFactor(s.ArrowLeft);
    EnableNextarrow(true);
    const Wind wind = endWind_.at(windTick_);
    const Point drift = WindDrift(wind, s.Distance);
    x += drift.x;
    y += drift.y;
    const Point hit{x, y};
    const int32_t score = ScoreHit(factor, s.Distance, x, y);
    sounds_.play(RangeSound::BowRelease);
    sounds_.playLater(score > 0 ? RangeSound::RingHit : RangeSound::GrassMiss,
                      StrikeHeardAfterMs(s.Distance));
    RecordArrow(score, factor, hit, wind);
    if (practice_) practice_->session.addArrow({.score = score, .hit = hit});
    const int32_t arrow = s.ArrowsLeft;
    // An arrow outside an end (1..6) has no entry to take its score; it only hides and stops.
    if (arrow >= 1 && arrow <= kMarkerCount) s.EndScores[static_cast<std::size_t>(arrow)] = score;
    if (arrow == 1) {
        CloseEnd(Point{x, y}, pictures);
    } else {
        PlaceMarker(arrow, {x, y});
    }
    MoveDrawnArrow(kArrowReleased);
    SetTimerRunning(false);
    FinishPracticeIfDone();
}

void MatchEngine::FormKeyDown(int32_t virtualKey) {
    MatchState& s = state_;
    switch (virtualKey) {
        case kVkLeft:
            s.KeyLeft = true;
            break;
        case kVkUp:
            s.KeyUp = true;
            break;
        case kVkRight:
            s.KeyRight = true;
            break;
        case kVkDown:
            s.KeyDown = true;
            break;
        case kVkDraw:
            s.KeyDraw = true;
            break;
        case kVkShoot:
            s.KeyShoot = true;
            // A tap between two ticks must not be lost, but one while no arrow is aimed is
            // nobody's shot.
            if (s.TimerRunning) s.ShotPressed = true;
            break;
        case kVkNext:
            // Like a click on Nextarrow, enabled or not, but never while an arrow is aimed.
            if (!s.TimerRunning) NextarrowClick();
            break;
        default:
            break;
    }
}

void MatchEngine::FormKeyUp(int32_t virtualKey) {
    MatchState& s = state_;
    switch (virtualKey) {
        case kVkLeft:
            s.KeyLeft = false;
            break;
        case kVkUp:
            s.KeyUp = false;
            break;
        case kVkRight:
            s.KeyRight = false;
            break;
        case kVkDown:
            s.KeyDown = false;
            break;
        case kVkDraw:
            s.KeyDraw = false;
            break;
        case kVkShoot:
            s.KeyShoot = false;
            break;
        default:
            break;
    }
}

void MatchEngine::LetGoOfKeys() {
    MatchState& s = state_;
    s.KeyLeft = s.KeyUp = s.KeyRight = s.KeyDown = false;
    s.KeyDraw = s.KeyShoot = s.ShotPressed = false;
}

void MatchEngine::FollowWind(bool newEnd) {
    if (newEnd || endWind_.level() != windLevel_) {
        endWind_ = EndWind(windLevel_, random_);
        windTick_ = 0;
    }
    ShowWind();
}

void MatchEngine::ShowWind() {
    if (endWind_.level() == WindLevel::Calm) {
        if (shownWind_) screen_.hideWind();
        shownWind_.reset();
        return;
    }
    const Wind wind = endWind_.at(windTick_);
    ShownWind shown{wind, FlagFor(wind, windTick_)};
    if (shownWind_) {
        // The label is read like a range's anemometer, a few times a second; the flag moves
        // with every gust.
        if (windTick_ % kWindReadingTicks != 0) shown.reading = shownWind_->reading;
        const Wind& before = shownWind_->reading;
        if (shown.flag == shownWind_->flag && shown.reading.tenths == before.tenths &&
            WindArrow(shown.reading.fromDegrees) == WindArrow(before.fromDegrees))
            return;
    }
    shownWind_ = shown;
    screen_.showWind(shown.reading, shown.flag);
}
