#include <utility>

#include "rules/match/Aiming.h"
#include "rules/match/ComputerScores.h"
#include "rules/match/Ends.h"
#include "rules/match/MatchEngine.h"
#include "rules/match/PictureLoads.h"
#include "rules/match/Ranking.h"
#include "rules/match/Rounds.h"
#include "rules/match/Scoring.h"

void MatchEngine::NextarrowClick() {
    MatchState& s = state_;
    // Outside a match the counters have no end to count down.
    if (!s.MatchUnderWay) return;
    PictureLoads pictures(screen_);
    // Time ran out since the last look at the clock: that closes the end, not this action.
    if (EndClockExpired()) {
        ExpireEnd(pictures);
        pictures.throwFirstFailure();
        return;
    }
    EnableNextarrow(false);
    SetLabel(MatchLabel::Vzdalenost, std::to_string(s.Distance) + " m");
    --s.ArrowsLeft;
    s.Unsteadiness = kNewArrowUnsteadiness;
    s.ClickerArmed = true;
    if (!s.DemoMode) SetTimerRunning(true);
    Point sight;
    sight.x = random_.random(kSightPlacementRange) + kSightPlacementMin;
    sight.y = random_.random(kSightPlacementRange) + kSightPlacementMin;
    MoveSight(sight);
    MoveDrawnArrow(kArrowNocked);
    if (!s.DemoMode) BeginAimRecord();
    if (practice_) StartEndClock();
    if (s.DemoMode) {
        // Nobody shoots: the action closes the whole distance at once.
        s.ArrowsLeft = 0;
        if (const std::optional<DistanceStage> stage = CurrentStage())
            s.EndNumber = stage->closingEndNumber();
    }
    if (s.ArrowsLeft == 0) FinishEnd(pictures);
    // After the end's first arrow is counted, and never in a match that just ended.
    if (s.TimerRunning) FollowWind(s.ArrowsLeft == ArrowsPerEnd());
    SetLabel(MatchLabel::SadaCount, std::to_string(s.EndNumber));
    pictures.throwFirstFailure();
}

void MatchEngine::FinishEnd(PictureLoads& pictures) {
    MatchState& s = state_;
    if (!s.DemoMode) {
        ++s.CurrentCompetitor;
        if (FindNextHuman(s.Competitors, s.CurrentCompetitor)) ++s.EndNumber;
        ShowShooter();
        SetLabel(MatchLabel::Sipylabel, "");
    }
    s.ArrowsLeft = ArrowsPerEnd();
    pictures.load(PictureSlot::Nextarrow, "nextar.bmp");
    ResetMarkers();
    if (practice_ && practice_->referee) practice_->referee->endBegins();
    s.EndScores.fill(0);
    // A practice session is one distance; it ends when its last end closes.
    if (!practice_) ChangeDistance(pictures);
}

void MatchEngine::ChangeDistance(PictureLoads& pictures) {
    MatchState& s = state_;
    const std::optional<Round> round = MatchRound(s);
    const std::optional<DistanceStage> finished = CurrentStage();
    if (!round || !finished || s.EndNumber != finished->closingEndNumber()) return;
    const std::optional<DistanceStage> next = round->stageAfter(finished->metres());
    if (next) {
        s.Distance = next->metres();
        pictures.load(PictureSlot::Tercov, next->target.picture);
        s.ArrowsLeft = next->arrowsPerEnd;
        s.EndNumber = 1;
    } else {
        // The results window shown now sees Distance 0; nothing more is shot in this match.
        // ArrowsLeft stays as the last end left it.
        s.Distance = 0;
        s.MatchUnderWay = false;
    }
    GenerateComputerScores(s, random_, finished->performanceIndex, finished->scoreField);
    // The one ranking of this distance: the history records it, the results window lists it
    // and the records are checked against it.
    RankCompetitors(s);
    RecordDistance(*finished);
    if (!next) log_->matchFinished();
    SetTimerRunning(false);
    screen_.showResults();
}

void MatchEngine::CloseEnd(std::optional<Point> scopePoint, PictureLoads& pictures) {
    MatchState& s = state_;
    pictures.load(PictureSlot::Nextarrow, "nextsa.bmp");
    if (scopePoint) PlaceMarker(1, *scopePoint);
    SortEndScores(s.EndScores);
    const std::optional<DistanceStage> stage = CurrentStage();
    const int32_t arrows = ArrowsPerEnd();
    SetLabel(MatchLabel::Sipylabel, EndScoresText(s.EndScores, arrows));

    ScoreRecord& record = s.Scores[static_cast<std::size_t>(s.CurrentCompetitor)];
    int32_t sum = 0;
    for (int32_t i = 1; i <= arrows; ++i) {
        const int32_t score = s.EndScores[static_cast<std::size_t>(i)];
        sum += score;
        if (score == kTenScore) ++record.Tens;
        if (score == kNineScore) ++record.Nines;
        if (score == 0) ++record.Misses;
    }
    SetLabel(MatchLabel::SoucetSada, std::to_string(sum));
    if (stage) record.*stage->scoreField += sum;
    lastEndSum_ = sum;
    // Stored before a contest's referee rules on it, which may show a window.
    log_->endClosed(ResumeBytes(ResumePointAfterEnd(s, scoresAtDistanceStart_, sum)));
    if (practice_) ClosePracticeEnd();
    SetLabel(MatchLabel::Celkem, ShownTotal());
}

void MatchEngine::ResultsClosed() {
    MatchState& s = state_;
    if (s.DemoMode) return;
    if (s.Distance != 0) {
        log_->resumePointMoved(
            ResumeBytes(ResumePointAtDistanceStart(s, scoresAtDistanceStart_, lastEndSum_, false)));
        if (std::exchange(firstArrowAwaited_, false)) return;
        SetTimerRunning(true);
    } else {
        EnableNextarrow(false);
        s.Distance = kDistanceOutsideMatch;
    }
}

std::optional<DistanceStage> MatchEngine::CurrentStage() const {
    const std::optional<Round> round = practice_
                                           ? PracticeRound(state_.Distance, practice_->setup.ends)
                                           : findRound(state_.RoundType);
    return round ? round->stageAt(state_.Distance) : std::nullopt;
}

int32_t MatchEngine::ArrowsPerEnd() const {
    if (practice_) return practice_->arrowsPerEnd;
    const std::optional<DistanceStage> stage = CurrentStage();
    return stage ? stage->arrowsPerEnd : kMaxArrowsPerEnd;
}
