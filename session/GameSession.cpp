#include "session/GameSession.h"

#include <QTimer>
#include <algorithm>
#include <utility>

#include "platform/history/HistoryFile.h"
#include "platform/history/HistoryReader.h"
#include "platform/history/SqliteMatchLog.h"
#include "rules/bouts/Bout.h"
#include "rules/bouts/BoutField.h"
#include "rules/classification/Classification.h"
#include "rules/competitors/CompetitorFile.h"
#include "rules/formats/PictureError.h"
#include "rules/formats/Utf8.h"
#include "rules/history/Handicaps.h"
#include "rules/match/LevelField.h"
#include "rules/match/NewMatchSetup.h"

namespace {

// The aiming tick: every step of the sway, the keys and the draw is one tick.
constexpr int kTickMs = 10;
// Between the aiming ticks the end clock is looked at often enough to show every second and to
// close an end on time; the aiming tick itself looks at it too.
constexpr int kClockLookMs = 50;

}  // namespace

GameSession::GameSession(FileStore& files, Random& random, RangeSounds& sounds,
                         KeyTextFormat keyText, QObject* parent)
    : QObject(parent),
      files_(files),
      random_(random),
      sounds_(sounds),
      settings_(files, std::move(keyText)),
      engine_(state_, *this, random, sounds) {
    sounds_.setVolume(playerSettings().audibleVolume());
    settings_.onNotSaved = [this] { Q_EMIT settingsNotSaved(); };
    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(kTickMs);
    connect(Timer1, &QTimer::timeout, this, &GameSession::Timer1Timer);
    HodinyTimer = new QTimer(this);
    HodinyTimer->setInterval(kClockLookMs);
    connect(HodinyTimer, &QTimer::timeout, this, &GameSession::HodinyTimerTimer);
    engine_.SetSteadyClock(clock_);
    engine_.SetWindLevel(playerSettings().wind);
}

GameSession::~GameSession() {
    // The history outlives the session to store what still waits; nobody is left to tell.
    if (history_) history_->onNotSaving = nullptr;
}

void GameSession::recordInto(SqliteMatchLog& history) {
    history_ = &history;
    engine_.SetMatchLog(history);
    // Said after the action that failed to store, never in the middle of a tick.
    history.onNotSaving = [this] {
        QTimer::singleShot(0, this, [this] { Q_EMIT historyNotSaving(); });
    };
}

void GameSession::start(const Configuration& configuration) {
    MatchState& s = state_;
    engine_.LetGoOfKeys();
    s.ClickerArmed = false;
    s.Distance = kDistanceOutsideMatch;
    s.MarkerStyle = 1;
    s.Difficulty = configuration.Difficulty;
    engine_.SetTimerRunning(false);
    setNextarrowEnabled(false);
    // Before the first match the target of the start distance stands ready; a missing picture
    // here is no reason to bother the player before the game has begun.
    try {
        if (const std::optional<TargetFace> face = findTargetFace(s.Distance))
            screen_->loadPicture(PictureSlot::Tercov, face->picture);
    } catch (const PictureError&) {
    }
    offerResumable();
}

void GameSession::offerResumable() {
    resumable_.reset();
    // A history that cannot be written to could not keep what is shot from here on.
    if (history_ == nullptr || history_->state() != HistoryState::Ready) return;
    ResumableMatch stored;
    if (!HistoryReader(history_->path()).readResumable(stored)) return;
    const std::optional<ResumePoint> point = DecodeResumePoint(stored.point);
    if (!point || !AgreesWithArrows(*point, stored.tallies)) return;
    resumable_ = ResumableOffer{.row = stored.row, .started = stored.started, .point = *point};
    Q_EMIT resumableChanged();
}

void GameSession::giveUpOfferIfStarted() {
    if (!resumable_ || !state_.MatchUnderWay) return;
    resumable_.reset();
    Q_EMIT resumableChanged();
}

void GameSession::resumeMatch() {
    if (!resumable_) return;
    const ResumableOffer offer = *std::exchange(resumable_, std::nullopt);
    Q_EMIT resumableChanged();
    history_->matchResumed(offer.row);
    guarded([&] { engine_.ResumeMatch(offer.point); });
}

void GameSession::guarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const PictureError& error) {
        Q_EMIT pictureFailed(QString::fromUtf8(error.what()));
    }
}

void GameSession::Timer1Timer() {
    Q_EMIT aboutToTick();
    guarded([this] { engine_.Timer1Timer(); });
    Q_EMIT ticked();
}
void GameSession::HodinyTimerTimer() {
    guarded([this] { engine_.PracticeClockTick(windowOverBoard_); });
}
void GameSession::NextarrowClick() {
    guarded([this] { engine_.NextarrowClick(); });
}
void GameSession::LeftbutClick() {
    guarded([this] { engine_.LeftbutClick(); });
}
void GameSession::UpbutClick() {
    guarded([this] { engine_.UpbutClick(); });
}
void GameSession::RightbutClick() {
    guarded([this] { engine_.RightbutClick(); });
}
void GameSession::DownbutClick() {
    guarded([this] { engine_.DownbutClick(); });
}

void GameSession::newMatch(SetupPrompts& prompts) {
    NewMatchSetup setup(
        state_, files_, prompts,
        {.setTimerRunning = [this](bool running) { engine_.SetTimerRunning(running); },
         .startMatch =
             [this](int32_t roundType, const CompetitorTable& competitors) {
                 // A bout under way keeps its set line until the new match really starts.
                 clearBout();
                 engine_.StartMatch(roundType, competitors, levelledField(roundType, competitors));
                 bracket_.reset();  // the match has taken the referee's place
             }});
    guarded([&] { setup.run(); });
    giveUpOfferIfStarted();
}

History GameSession::historyOf(const std::vector<ArcherKey>& archers) {
    History history;
    // A history that cannot be read gives no handicap and no class.
    HistoryReader reader(kHistoryFile);
    if (!reader.readMatches(history)) return {};
    // Their practice sessions count too; a session lives in its arrows alone.
    for (const ArcherKey& archer : archers) reader.readArrows(archer, false, history.arrows);
    return history;
}

std::optional<PerformanceTable> GameSession::levelledField(
    int32_t roundType, const CompetitorTable& competitors) const {
    if (!playerSettings().fieldAtPlayerLevel) return std::nullopt;
    const std::optional<int32_t> handicap =
        BestHumanHandicap(historyOf(HumanArchersOf(competitors)), competitors);
    if (!handicap) return std::nullopt;
    return FieldPerformanceAt(competitors, roundType, *handicap);
}

void GameSession::noteClassesEarned() {
    classesEarned_.clear();
    const std::optional<int64_t> shoot = history_ ? history_->finishedMatch() : std::nullopt;
    if (state_.MatchUnderWay || !shoot) return;
    const std::vector<ArcherKey> humans = HumanArchersOf(state_.Competitors);
    const History history = historyOf(humans);
    for (const ArcherKey& archer : humans) {
        if (const std::optional<ArcheryClass> earned = ClassEarnedIn(history, archer, *shoot))
            classesEarned_.push_back({archer.name, *earned});
    }
}

void GameSession::startPractice(const PracticeSettings& chosen, const Utf8Text& club) {
    clearBout();
    PlayerSettings changed = playerSettings();
    changed.practice = chosen;
    settings_.save(changed);
    guarded([&] {
        engine_.StartPractice({.archer = ToCp1250(Utf8Text{chosen.archer}).bytes(),
                               .club = ToCp1250(club).bytes(),
                               .distance = chosen.distance,
                               .ends = chosen.ends,
                               .secondsPerEnd = chosen.timed ? chosen.secondsPerEnd : 0});
        bracket_.reset();  // the practice has no referee
    });
    giveUpOfferIfStarted();
}

void GameSession::setWind(WindLevel level) {
    PlayerSettings changed = playerSettings();
    changed.wind = level;
    settings_.save(changed);
    engine_.SetWindLevel(level);
}

std::optional<int32_t> GameSession::handicapOf(const CompetitorRecord& archer) const {
    CompetitorTable field{};
    field[0] = archer;
    return BestHumanHandicap(historyOf(HumanArchersOf(field)), field);
}

void GameSession::startBracket(const BoutSettings& chosen, const Utf8Text& club) {
    PlayerSettings changed = playerSettings();
    changed.bouts = chosen;
    settings_.save(changed);
    const CompetitorRecord player{.Name = ToCp1250(Utf8Text{chosen.archer}).bytes(),
                                  .Club = ToCp1250(club).bytes(),
                                  .Performance = {},
                                  .IsComputer = false};
    const std::optional<int32_t> handicap = handicapOf(player);
    // A list that cannot be read leaves the player alone in the bracket.
    CompetitorTable list{};
    LoadCompetitors(files_, FullRound(chosen.division).competitorFile, list);
    BoutLog& log = history_ ? static_cast<BoutLog&>(*history_) : noBoutLog_;
    BracketScreen& screen = *this;
    auto run = std::make_unique<BracketRun>(
        SeededField({.name = player.Name, .club = player.Club, .human = true, .handicap = handicap},
                    list, chosen.division, chosen.bracketSize,
                    chosen.fieldAtPlayerLevel ? handicap : std::nullopt),
        chosen.bracketSize, random_, screen, log);
    if (!run->begin()) {
        showBracket(run->view());
        return;
    }
    // Enough ends for any bracket: the referee ends the session when the player is out.
    constexpr int32_t kEndsEnough = 1000;
    guarded([&] {
        engine_.StartPractice({.archer = player.Name,
                               .club = player.Club,
                               .distance = kBoutDistance,
                               .ends = kEndsEnough,
                               .secondsPerEnd = chosen.timed ? kSecondsPerSet : 0,
                               .arrowsPerEnd = kArrowsPerSet},
                              run.get());
    });
    clearBout();
    bracket_ = std::move(run);
    // A bracket is a new game like any other: the match left unfinished is given up.
    giveUpOfferIfStarted();
}

void GameSession::clearBout() {
    showOpponentArrows({});
    showSetLine(std::nullopt);
}

void GameSession::setSoundLevel(int32_t volume, bool muted) {
    PlayerSettings changed = playerSettings();
    changed.volume = std::clamp(volume, kMinVolume, kMaxVolume);
    changed.muted = muted;
    settings_.save(changed);
    sounds_.setVolume(changed.audibleVolume());
}

// --- The player's keys and pad -------------------------------------------------------------

void GameSession::play(const std::vector<KeyTransition>& keys) {
    for (const KeyTransition& k : keys) {
        guarded([&] {
            if (k.down) {
                engine_.FormKeyDown(k.virtualKey);
            } else {
                engine_.FormKeyUp(k.virtualKey);
            }
        });
    }
}

bool GameSession::keyPressed(KeyCode key) {
    const std::optional<ControlAction> action = keyBindings().actionOf(key);
    if (!action) return false;
    play(input_.keyPressed(*action, key));
    return true;
}

bool GameSession::keyReleased(KeyCode key) {
    const std::optional<ControlAction> action = keyBindings().actionOf(key);
    if (!action) return false;
    play(input_.keyReleased(*action, key));
    return true;
}

void GameSession::padRead(const GamepadCommands& commands, bool playable) {
    play(playable ? input_.gamepad(commands) : input_.padIgnored(commands));
}

void GameSession::letGoOfKeys() {
    input_.letGoOfAll();
    engine_.LetGoOfKeys();
}

// --- Aiming pauses --------------------------------------------------------------------------

GameSession::AimingPause::AimingPause(GameSession& session)
    : session_(session), aiming_(session.state_.TimerRunning) {
    if (aiming_) session_.engine_.SetTimerRunning(false);
}

GameSession::AimingPause::~AimingPause() {
    if (aiming_) session_.engine_.SetTimerRunning(true);
}

// --- MatchScreen ----------------------------------------------------------------------------

void GameSession::setLabel(MatchLabel label, const std::string& text) {
    screen_->setLabel(label, text);
}
void GameSession::loadPicture(PictureSlot slot, const std::string& fileName) {
    screen_->loadPicture(slot, fileName);
}
void GameSession::loadMarkerIcons(const std::string& fileName) {
    screen_->loadMarkerIcons(fileName);
}
void GameSession::moveSight(Point topLeft) {
    screen_->moveSight(topLeft);
}
void GameSession::moveDrawnArrow(int32_t left) {
    screen_->moveDrawnArrow(left);
}
void GameSession::moveMarker(int32_t number, Point topLeft) {
    screen_->moveMarker(number, topLeft);
}
void GameSession::setNextarrowEnabled(bool enabled) {
    screen_->setNextarrowEnabled(enabled);
}

void GameSession::setTimerRunning(bool running) {
    if (running) {
        Timer1->start();
    } else {
        Timer1->stop();
    }
    screen_->setTimerRunning(running);
    Q_EMIT aimingChanged(running);
}

void GameSession::showResults() {
    noteClassesEarned();
    screen_->showResults();
}
void GameSession::showMessage(const Utf8Text& caption, const Utf8Text& text) {
    screen_->showMessage(caption, text);
}

void GameSession::showEndClock(int32_t secondsLeft, ClockLight light) {
    screen_->showEndClock(secondsLeft, light);
    if (!HodinyTimer->isActive()) HodinyTimer->start();
}

void GameSession::hideEndClock() {
    HodinyTimer->stop();
    screen_->hideEndClock();
}

void GameSession::showWind(const Wind& wind, const FlagPose& flag) {
    screen_->showWind(wind, flag);
}

void GameSession::hideWind() {
    screen_->hideWind();
}

bool GameSession::showPracticeSummary(const PracticeSession& session) {
    noteClassesEarned();
    return screen_->showPracticeSummary(session);
}

// --- BracketScreen --------------------------------------------------------------------------

void GameSession::showOpponentArrows(const std::vector<Point>& scopePoints) {
    bracketScreen_->showOpponentArrows(scopePoints);
}
void GameSession::showSetLine(const std::optional<SetLine>& line) {
    bracketScreen_->showSetLine(line);
}
void GameSession::showBracket(const BracketView& view) {
    whileAimingPaused([&] { bracketScreen_->showBracket(view); });
}
