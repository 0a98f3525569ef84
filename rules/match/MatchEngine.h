#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/match/EndClock.h"
#include "rules/match/EndReferee.h"
#include "rules/match/Markers.h"
#include "rules/match/MatchLog.h"
#include "rules/match/MatchScreen.h"
#include "rules/match/MatchState.h"
#include "rules/match/PracticeSession.h"
#include "rules/match/Random.h"
#include "rules/match/RangeSounds.h"
#include "rules/match/ResumePoint.h"
#include "rules/match/Rounds.h"
#include "rules/match/Wind.h"

class PictureLoads;

// What the practice dialog asks for: one archer at one distance, a number of ends and, when
// `secondsPerEnd` is not 0, a clock for every end.
struct PracticeSetup {
    std::string archer;  // cp1250
    std::string club;    // cp1250; the archer's club in the history, if he has one
    int32_t distance = 30;
    int32_t ends = 6;
    int32_t secondsPerEnd = 0;
    // Arrows of an end; 0 as the rounds shoot the distance.
    int32_t arrowsPerEnd = 0;
};

// Windows virtual-key codes the main window passes on.
inline constexpr int32_t kVkLeft = 37;
inline constexpr int32_t kVkUp = 38;
inline constexpr int32_t kVkRight = 39;
inline constexpr int32_t kVkDown = 40;
inline constexpr int32_t kVkDraw = 65;   // A
inline constexpr int32_t kVkNext = 68;   // D
inline constexpr int32_t kVkShoot = 83;  // S

// The match as it is shot: aiming ticks, keys, the next-arrow action, ends, distances and the
// marker styles. It changes MatchState and asks the screen for every visible effect; the state's
// Sight, ArrowLeft, Markers, TimerRunning and NextarrowEnabled always say what the screen was
// last told. A PictureError thrown by the screen reaches the caller. Where the picture belongs
// to a step of the shooting (the next-arrow pictures, the target of the next distance), the
// action first finishes its work, so that no end and no distance is lost, and then throws.
class MatchEngine {
  public:
    MatchEngine(MatchState& state, MatchScreen& screen, Random& random, RangeSounds& sounds);

    // One 10 ms tick of Timer1.
    void Timer1Timer();
    void FormKeyDown(int32_t virtualKey);
    void FormKeyUp(int32_t virtualKey);
    // Every key goes up, as when a window comes over the board: a draw held lets the bow down
    // and a shot pressed is not let go on a later tick.
    void LetGoOfKeys();
    // Does nothing while no match is under way (before the first set-up, after the last
    // distance).
    void NextarrowClick();

    // A style the button has no change for is left alone. The new icons are loaded first: when
    // they cannot be, style and markers stay as they were.
    void LeftbutClick();
    void UpbutClick();
    void RightbutClick();
    void DownbutClick();

    // The results window has been closed (its close handling).
    void ResultsClosed();

    // The wind the player chose; it blows from the next arrow on. Computer archers shoot without.
    void SetWindLevel(WindLevel level) { windLevel_ = level; }

    // Where the match reports its arrows, ends and results; by default nowhere.
    void SetMatchLog(MatchLog& log) { log_ = &log; }

    // Starts or stops Timer1 and tells the screen.
    void SetTimerRunning(bool running);

    // The match state after the player has confirmed a new match: scores cleared, first
    // distance and its target picture, demo decision, first human shown, Nextarrow enabled,
    // markers at rest. `roundType` and `competitors` become the match's. An arrow still being
    // aimed from the previous match is put down. When the target picture cannot be loaded the
    // PictureError is thrown and no match is under way; a round type outside 1..4 starts none.
    // `fieldPerformance`, when given, scores the computer archers of this match instead of
    // their own values.
    void StartMatch(int32_t roundType, const CompetitorTable& competitors,
                    const std::optional<PerformanceTable>& fieldPerformance = std::nullopt);

    // The match of `point` replaces whatever is under way, as a new match does, and stands at
    // its turn's first arrow with the labels, markers and Nextarrow as play had left them. The
    // history must already be going on with the match the point was kept for. A distance shot to
    // its end gets its computer scores and results now; results not yet closed are shown again.
    // Throws PictureError like StartMatch.
    void ResumeMatch(const ResumePoint& point);

    // A practice session replaces whatever is under way, as a new match does; the ends shot of
    // a session replaced stay in the history as an unfinished session. A distance without a
    // target or a number of ends below 1 starts nothing. Throws PictureError like StartMatch.
    // With a `referee` the session is a contest: he rules after every end how long the next is
    // and when it is over, and the history keeps it as a match shot head to head; he must
    // outlive the session.
    void StartPractice(const PracticeSetup& setup, EndReferee* referee = nullptr);
    bool PracticeUnderWay() const { return practice_.has_value(); }
    // Where the end clock reads the time; until set, time stands still.
    void SetSteadyClock(SteadyClock& clock) { steadyClock_ = &clock; }
    // The window's look at the end clock between the aiming ticks: while a modal window is open
    // the clock stands still; time up closes the end.
    void PracticeClockTick(bool modalWindowOpen);

    const MatchState& state() const { return state_; }

  private:
    void Release(PictureLoads& pictures);
    // `scopePoint` is where the closing arrow is shown; none when the clock closed the end.
    void CloseEnd(std::optional<Point> scopePoint, PictureLoads& pictures);
    void FinishEnd(PictureLoads& pictures);
    void ChangeDistance(PictureLoads& pictures);
    void ShowShooter();
    // The target of a match or session about to start; a PictureError reaches the caller.
    void ShowFirstTarget(const DistanceStage& stage);
    // The distance being shot as the round has it; empty outside the round's distances.
    std::optional<DistanceStage> CurrentStage() const;
    // Arrows of an end at the distance being shot; the longest end outside the round.
    int32_t ArrowsPerEnd() const;
    std::string ShownTotal() const;

    // Practice: the end clock, an end closed by the clock, the session's end.
    void StartEndClock();
    bool EndClockExpired();
    void ShowEndClock(int64_t nowMs);
    void ExpireEnd(PictureLoads& pictures);
    void ClosePracticeEnd();
    void FinishPracticeIfDone();
    // A timed end is whistled as a range whistles it: two blasts call the archer to the line
    // `afterMs` from now, one starts his time once they have sounded, three end it.
    void CallToTheLine(int32_t afterMs);

    // The history: the aim is followed from the next-arrow action to the release.
    void BeginAimRecord();
    void RecordArrow(int32_t score, int32_t factor, Point hit, const Wind& wind);
    // The distance just finished, from the ranking made at its end.
    void RecordDistance(const DistanceStage& finished);
    void RecordUnshotArrow();
    // Where the match can go on from, in the history's bytes; empty for a demo or practice.
    std::string ResumeBytes(const ResumePoint& point) const;

    // The wind: drawn afresh for an end, or when the player changed it since the last arrow;
    // shown whenever what the flag or its label show changes.
    void FollowWind(bool newEnd);
    void ShowWind();

    void PlaceMarker(int32_t number, Point scopePoint);
    void ResetMarkers();
    void ClickMarkerButton(MarkerButton button);
    void ChangeMarkerStyle(int32_t newStyle, int32_t oldStyle);

    void SetLabel(MatchLabel label, const std::string& text);
    void MoveSight(Point topLeft);
    void MoveDrawnArrow(int32_t left);
    void MoveMarker(int32_t number, Point topLeft);
    void EnableNextarrow(bool enabled);

    MatchState& state_;
    MatchScreen& screen_;
    Random& random_;
    RangeSounds& sounds_;
    NullMatchLog noLog_;
    MatchLog* log_ = &noLog_;
    bool aimRecording_ = false;
    std::vector<Point> aimPath_;
    std::vector<int32_t> aimDraw_;
    ScoreTable scoresAtDistanceStart_{};
    int32_t lastEndSum_ = -1;
    // A match put back on the board at its results: once they close, its first arrow waits for
    // the next-arrow action, which in play had come before the results.
    bool firstArrowAwaited_ = false;

    WindLevel windLevel_ = WindLevel::Calm;
    EndWind endWind_;
    int64_t windTick_ = 0;  // aiming ticks since the end's wind was drawn
    struct ShownWind {
        Wind reading;  // what the label says, read afresh every few ticks
        FlagPose flag;
    };
    std::optional<ShownWind> shownWind_;

    struct PracticeRun {
        PracticeSetup setup;
        EndReferee* referee = nullptr;
        int32_t arrowsPerEnd = 0;
        PracticeSession session;
        EndClock clock;
        int32_t shownSeconds = -1;
        ClockLight shownLight = ClockLight::Green;
        // The earliest moment the whistle to shoot may sound: once the call to the line has.
        int64_t shootingWhistleDueMs = 0;
    };
    std::optional<PracticeRun> practice_;
    class StillClock final : public SteadyClock {
      public:
        int64_t nowMs() override { return 0; }
    } stillClock_;
    SteadyClock* steadyClock_ = &stillClock_;
};
