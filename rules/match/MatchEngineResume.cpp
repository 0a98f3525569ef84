#include "rules/match/MatchEngine.h"
#include "rules/match/PictureLoads.h"
#include "rules/match/Ranking.h"
#include "rules/match/ResumePoint.h"

void MatchEngine::ResumeMatch(const ResumePoint& point) {
    const std::optional<Round> round = findRound(point.roundType);
    const std::optional<DistanceStage> stage =
        round ? round->stageAt(point.distance) : std::nullopt;
    if (!stage) return;
    MatchState& s = state_;
    // A match under way is replaced without a word to the history: it is already told to go
    // on with the match of the point, and the match replaced stays unfinished there.
    s.MatchUnderWay = false;
    if (s.TimerRunning) SetTimerRunning(false);
    if (practice_) {
        practice_.reset();
        screen_.hideEndClock();
    }

    s.Competitors = point.competitors;
    s.FieldPerformance = point.fieldPerformance;
    s.RoundType = point.roundType;
    s.Difficulty = point.difficulty;
    s.SightPicture = point.sight;
    s.Scores = point.scores;
    s.EndScores.fill(0);
    s.DemoMode = false;
    s.Distance = point.distance;
    s.EndNumber = point.endNumber;
    s.CurrentCompetitor = point.competitor;
    scoresAtDistanceStart_ = point.distanceStartScores;
    lastEndSum_ = point.lastEndSum;
    firstArrowAwaited_ = false;
    aimRecording_ = false;
    ShowFirstTarget(*stage);
    // As at the start of a match: the first next-arrow action counts it down to arrow one.
    s.ArrowsLeft = stage->arrowsPerEnd + 1;
    ShowShooter();
    SetLabel(MatchLabel::Vzdalenost, std::to_string(s.Distance) + " m");
    SetLabel(MatchLabel::SadaCount, std::to_string(s.EndNumber));
    SetLabel(MatchLabel::SoucetSada, lastEndSum_ < 0 ? "" : std::to_string(lastEndSum_));
    SetLabel(MatchLabel::Sipylabel, "");
    PictureLoads pictures(screen_);
    pictures.load(PictureSlot::Nextarrow, "nextar.bmp");
    ResetMarkers();
    EnableNextarrow(true);
    s.MatchUnderWay = true;

    if (s.EndNumber == stage->closingEndNumber()) {
        // The last end of the distance closed before its results were drawn.
        firstArrowAwaited_ = true;
        ChangeDistance(pictures);
        const std::optional<DistanceStage> next = CurrentStage();
        if (s.MatchUnderWay && next) s.ArrowsLeft = next->arrowsPerEnd + 1;
        SetLabel(MatchLabel::SadaCount, std::to_string(s.EndNumber));
    } else if (point.resultsShowing) {
        firstArrowAwaited_ = true;
        RankCompetitors(s);
        screen_.showResults();
    }
    pictures.throwFirstFailure();
}
