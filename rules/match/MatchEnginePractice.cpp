#include <algorithm>

#include "rules/match/Aiming.h"
#include "rules/match/Ends.h"
#include "rules/match/Markers.h"
#include "rules/match/MatchEngine.h"
#include "rules/match/PictureLoads.h"
#include "rules/match/Rounds.h"

void MatchEngine::StartPractice(const PracticeSetup& setup, EndReferee* referee) {
    MatchState& s = state_;
    const std::optional<Round> round = PracticeRound(setup.distance, setup.ends);
    if (!round || setup.ends < 1 || setup.archer.empty()) return;
    const DistanceStage& distance = round->stages().front();
    const int32_t arrowsPerEnd = setup.arrowsPerEnd > 0
                                     ? std::min(setup.arrowsPerEnd, kMaxArrowsPerEnd)
                                     : distance.arrowsPerEnd;
    if (s.MatchUnderWay) log_->matchAbandoned();
    s.MatchUnderWay = false;
    if (s.TimerRunning) SetTimerRunning(false);
    practice_.reset();
    screen_.hideEndClock();

    s.Competitors = CompetitorTable{};
    s.Competitors[0] = {
        .Name = setup.archer, .Club = setup.club, .Performance = {}, .IsComputer = false};
    s.RoundType = 0;
    s.Scores.fill(ScoreRecord{});
    s.EndScores.fill(0);
    s.Distance = setup.distance;
    s.ArrowsLeft = arrowsPerEnd + 1;  // the first next-arrow action counts it down
    ShowFirstTarget(distance);
    s.DemoMode = false;
    s.EndNumber = 1;
    s.CurrentCompetitor = 0;
    practice_.emplace(PracticeRun{.setup = setup,
                                  .referee = referee,
                                  .arrowsPerEnd = arrowsPerEnd,
                                  .session = PracticeSession(setup.distance, setup.ends),
                                  .clock = EndClock(setup.secondsPerEnd)});
    ShowShooter();
    SetLabel(MatchLabel::Vzdalenost, std::to_string(s.Distance) + " m");
    SetLabel(MatchLabel::SadaCount, std::to_string(s.EndNumber));
    SetLabel(MatchLabel::SoucetSada, "");
    SetLabel(MatchLabel::Sipylabel, "");
    EnableNextarrow(true);
    ResetMarkers();
    s.MatchUnderWay = true;
    aimRecording_ = false;
    ShowEndClock(steadyClock_->nowMs());
    if (practice_->clock.limited()) CallToTheLine(0);
    log_->matchStarted({.roundType = 0,
                        .difficulty = s.Difficulty,
                        .sight = s.SightPicture,
                        .competitors = 1,
                        .demo = false,
                        .practice = referee == nullptr,
                        .matchplay = referee != nullptr,
                        .practiceDistance = setup.distance});
}

void MatchEngine::PracticeClockTick(bool modalWindowOpen) {
    if (!practice_ || !practice_->clock.limited()) return;
    EndClock& clock = practice_->clock;
    const int64_t now = steadyClock_->nowMs();
    if (modalWindowOpen) {
        clock.pause(now);
    } else {
        clock.resume(now);
    }
    PictureLoads pictures(screen_);
    if (EndClockExpired()) ExpireEnd(pictures);
    pictures.throwFirstFailure();
}

void MatchEngine::StartEndClock() {
    EndClock& clock = practice_->clock;
    if (!clock.limited() || clock.started()) return;
    const int64_t now = steadyClock_->nowMs();
    clock.start(now);
    // An archer who nocks before the call to the line is over hears the signals in their order.
    const int64_t wait = practice_->shootingWhistleDueMs - now;
    if (wait > 0) {
        sounds_.playLater(RangeSound::StartShooting, static_cast<int32_t>(wait));
    } else {
        sounds_.play(RangeSound::StartShooting);
    }
    ShowEndClock(now);
}

bool MatchEngine::EndClockExpired() {
    if (!practice_ || !practice_->clock.started()) return false;
    const int64_t now = steadyClock_->nowMs();
    ShowEndClock(now);
    return practice_->clock.expired(now);
}

void MatchEngine::ShowEndClock(int64_t nowMs) {
    PracticeRun& p = *practice_;
    if (!p.clock.limited()) return;
    const int32_t seconds = p.clock.secondsLeft(nowMs);
    const ClockLight light = p.clock.light(nowMs);
    if (seconds == p.shownSeconds && light == p.shownLight) return;
    p.shownSeconds = seconds;
    p.shownLight = light;
    screen_.showEndClock(seconds, light);
}

void MatchEngine::ExpireEnd(PictureLoads& pictures) {
    MatchState& s = state_;
    // The arrow on the bow is lost with the rest; one already let go keeps its score.
    const bool aiming = s.TimerRunning;
    const int32_t firstLost = aiming ? s.ArrowsLeft : s.ArrowsLeft - 1;
    if (aiming) {
        aimRecording_ = false;
        SetTimerRunning(false);
        MoveDrawnArrow(kArrowReleased);
    }
    for (int32_t arrow = firstLost; arrow >= 1; --arrow) {
        s.ArrowsLeft = arrow;
        RecordUnshotArrow();
        practice_->session.addArrow({.score = 0, .hit = std::nullopt});
        if (arrow <= kMarkerCount) s.EndScores[static_cast<std::size_t>(arrow)] = 0;
    }
    s.ArrowsLeft = 1;
    EnableNextarrow(true);
    CloseEnd(std::nullopt, pictures);
    FinishPracticeIfDone();
}

void MatchEngine::ClosePracticeEnd() {
    PracticeRun& p = *practice_;
    const std::size_t shotBefore = p.session.closedArrows().size();
    p.session.closeEnd(endWind_.prevailing());
    if (p.referee) {
        p.arrowsPerEnd = std::min(
            p.referee->endClosed(p.session.closedArrows().subspan(shotBefore)), kMaxArrowsPerEnd);
        if (p.arrowsPerEnd <= 0) p.session.finishNow();
    }
    if (p.clock.limited()) {
        sounds_.play(RangeSound::EndOfShooting);
        if (!p.session.finished()) {
            CallToTheLine(WhistleLengthMs(RangeSound::EndOfShooting) + kBetweenSignalsMs);
        }
    }
    // The light stays as the end left it (red when time ran out) until the next end's first
    // arrow starts the clock afresh.
    p.clock.reset();
    p.shownSeconds = -1;
}

void MatchEngine::CallToTheLine(int32_t afterMs) {
    if (afterMs == 0) {
        sounds_.play(RangeSound::ToTheLine);
    } else {
        sounds_.playLater(RangeSound::ToTheLine, afterMs);
    }
    practice_->shootingWhistleDueMs = steadyClock_->nowMs() + afterMs +
                                      WhistleLengthMs(RangeSound::ToTheLine) + kBetweenSignalsMs;
}

void MatchEngine::FinishPracticeIfDone() {
    if (!practice_ || !practice_->session.finished()) return;
    const PracticeSetup setup = practice_->setup;
    const PracticeSession session = practice_->session;
    EndReferee* referee = practice_->referee;
    practice_.reset();
    screen_.hideEndClock();
    state_.MatchUnderWay = false;
    EnableNextarrow(false);
    log_->matchFinished();
    if (referee) {
        referee->shootOver();
    } else if (screen_.showPracticeSummary(session)) {
        StartPractice(setup);
    }
}
