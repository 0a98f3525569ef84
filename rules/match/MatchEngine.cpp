#include "rules/match/MatchEngine.h"

#include <algorithm>

#include "rules/formats/GameText.h"
#include "rules/formats/PictureError.h"
#include "rules/match/Rounds.h"

namespace {

constexpr const char* kDemoCaption = QT_TRANSLATE_NOOP("GameText", "Upozornění.");
constexpr const char* kDemoText =
    QT_TRANSLATE_NOOP("GameText", "Toto bude demo bez lidí. Na další sadu stiskněte 'd' !");

}  // namespace

MatchEngine::MatchEngine(MatchState& state, MatchScreen& screen, Random& random,
                         RangeSounds& sounds)
    : state_(state), screen_(screen), random_(random), sounds_(sounds) {}

void MatchEngine::SetTimerRunning(bool running) {
    state_.TimerRunning = running;
    // A pressed shot belongs to the arrow that was aimed when S went down.
    state_.ShotPressed = false;
    screen_.setTimerRunning(running);
}

void MatchEngine::StartMatch(int32_t roundType, const CompetitorTable& competitors,
                             const std::optional<PerformanceTable>& fieldPerformance) {
    const std::optional<Round> round = findRound(roundType);
    if (!round) return;
    MatchState& s = state_;
    if (s.MatchUnderWay) log_->matchAbandoned();
    // From here on the previous match is replaced; an arrow still in the air would be released
    // into the new match's counters.
    s.MatchUnderWay = false;
    if (s.TimerRunning) SetTimerRunning(false);
    if (practice_) {
        practice_.reset();
        screen_.hideEndClock();
    }

    s.Competitors = competitors;
    s.FieldPerformance = fieldPerformance;
    s.RoundType = roundType;
    s.Scores.fill(ScoreRecord{});
    // A short round's ends sort all six entries, so arrows of an end the last match left
    // unfinished must not linger in 4..6.
    s.EndScores.fill(0);
    const DistanceStage& first = round->stages().front();
    s.Distance = first.metres();
    s.ArrowsLeft = first.arrowsPerEnd + 1;  // the first next-arrow action counts it down
    ShowFirstTarget(first);

    s.DemoMode = std::none_of(s.Competitors.begin(), s.Competitors.end(), IsHumanArcher);
    s.EndNumber = 1;
    s.CurrentCompetitor = 0;
    if (!s.DemoMode) {
        FindNextHuman(s.Competitors, s.CurrentCompetitor);
        ShowShooter();
        SetLabel(MatchLabel::Vzdalenost, std::to_string(s.Distance) + " m");
        SetLabel(MatchLabel::SadaCount, std::to_string(s.EndNumber));
    } else {
        screen_.showMessage(GameMessage(kDemoCaption), GameMessage(kDemoText));
    }
    EnableNextarrow(true);
    ResetMarkers();
    s.MatchUnderWay = true;
    aimRecording_ = false;
    scoresAtDistanceStart_ = s.Scores;
    lastEndSum_ = -1;
    firstArrowAwaited_ = false;
    log_->matchStarted({.roundType = roundType,
                        .difficulty = s.Difficulty,
                        .sight = s.SightPicture,
                        .competitors = static_cast<int32_t>(
                            std::count_if(s.Competitors.begin(), s.Competitors.end(),
                                          [](const CompetitorRecord& c) { return !c.isFree(); })),
                        .demo = s.DemoMode});
}

void MatchEngine::ShowShooter() {
    const CompetitorRecord& shooter = state_.Competitors[state_.CurrentCompetitor];
    SetLabel(MatchLabel::PlName, shooter.Name);
    SetLabel(MatchLabel::Club, shooter.Club);
    SetLabel(MatchLabel::Celkem, ShownTotal());
}

std::string MatchEngine::ShownTotal() const {
    if (practice_) return std::to_string(practice_->session.total());
    return std::to_string(RoundTotal(state_.Scores[state_.CurrentCompetitor], state_.RoundType));
}

void MatchEngine::SetLabel(MatchLabel label, const std::string& text) {
    screen_.setLabel(label, text);
}

void MatchEngine::MoveSight(Point topLeft) {
    state_.Sight = topLeft;
    if (aimRecording_) {
        aimPath_.push_back(topLeft);
        aimDraw_.push_back(state_.ArrowLeft);
    }
    screen_.moveSight(topLeft);
}

void MatchEngine::MoveDrawnArrow(int32_t left) {
    state_.ArrowLeft = left;
    screen_.moveDrawnArrow(left);
}

void MatchEngine::MoveMarker(int32_t number, Point topLeft) {
    state_.Markers[static_cast<std::size_t>(number - 1)] = topLeft;
    screen_.moveMarker(number, topLeft);
}

void MatchEngine::EnableNextarrow(bool enabled) {
    state_.NextarrowEnabled = enabled;
    screen_.setNextarrowEnabled(enabled);
}

void MatchEngine::ShowFirstTarget(const DistanceStage& stage) {
    try {
        screen_.loadPicture(PictureSlot::Tercov, stage.target.picture);
    } catch (const PictureError&) {
        // Nothing can be shot at a target that is not there.
        EnableNextarrow(false);
        throw;
    }
}
