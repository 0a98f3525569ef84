#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "rules/bouts/BracketRun.h"
#include "rules/bouts/BracketScreen.h"
#include "rules/classification/Classification.h"
#include "rules/controls/ControlInput.h"
#include "rules/match/MatchEngine.h"
#include "rules/match/MatchState.h"
#include "rules/match/ResumePoint.h"
#include "rules/settings/Configuration.h"
#include "session/QtSteadyClock.h"
#include "session/SessionSettings.h"

class QTimer;
class SetupPrompts;
class SqliteMatchLog;

// A match the history holds unfinished that can go on from where it stood.
struct ResumableOffer {
    int64_t row = 0;
    std::string started;  // ISO 8601 with the local offset
    ResumePoint point;
};

// The game being played, behind whatever shows it: the match and its engine, the aiming tick and
// the end clock, the player's settings and keys, and when aiming pauses. It needs no screen:
// the board and the windows over it carry out what it shows (`showOn`), and the input hands it
// the player's keys and pad.
class GameSession final : public QObject, private MatchScreen, private BracketScreen {
    Q_OBJECT
  public:
    // The sounds play at the volume the player's settings keep.
    GameSession(FileStore& files, Random& random, RangeSounds& sounds, KeyTextFormat keyText,
                QObject* parent = nullptr);
    ~GameSession() override;

    // Where the match shows itself from now on; until then, nowhere.
    void showOn(MatchScreen& screen) { screen_ = &screen; }
    void showNowhere() { screen_ = &noScreen_; }
    // Where a bracket shows the opponent's arrows, the set line and itself.
    void showBracketsOn(BracketScreen& screen) { bracketScreen_ = &screen; }
    // Records every match into `history` for as long as the session lives; the history's notice
    // that it cannot save comes as historyNotSaving, after the action that failed.
    void recordInto(SqliteMatchLog& history);

    // The start-up's part of the match: keys up, no match, the difficulty the configuration
    // file kept, the first distance's target standing ready, and the match the history can go
    // on with put on offer.
    void start(const Configuration& configuration);

    // The unfinished match on offer: one the history being recorded into holds whole, whose
    // point agrees with its arrows. It stays on offer until it is taken up or a new match or
    // practice session gives it up.
    const std::optional<ResumableOffer>& resumable() const { return resumable_; }
    // Puts the match on offer on the board, the history going on with it.
    void resumeMatch();

    MatchState& state() { return state_; }
    const MatchState& state() const { return state_; }
    MatchEngine& engine() { return engine_; }
    SessionSettings& settings() { return settings_; }
    const PlayerSettings& playerSettings() const { return settings_.settings(); }
    const KeyBindings& keyBindings() const { return settings_.keyBindings(); }
    // The range's sounds, for whatever the match plays or whistles.
    RangeSounds& sounds() { return sounds_; }
    // Keeps the wind the player chose, which blows from the next arrow on.
    void setWind(WindLevel level);
    // Keeps the player's volume (0..100) and mute, and plays every sound so from now on.
    void setSoundLevel(int32_t volume, bool muted);

    // Runs `window` (one that takes the player from the board) with the arrow being aimed
    // waiting, and lets the arrow go on when it closes.
    template <typename Window>
    decltype(auto) whileAimingPaused(Window&& window) {
        const AimingPause pause(*this);
        return window();
    }

    // The player's actions. Each ends where a picture cannot be loaded and says so through
    // pictureFailed; the engine keeps its state whole.
    void Timer1Timer();
    void HodinyTimerTimer();
    void NextarrowClick();
    void LeftbutClick();
    void UpbutClick();
    void RightbutClick();
    void DownbutClick();
    // "Nová hra" through the set-up's dialogs; a field at the player's level when chosen.
    void newMatch(SetupPrompts& prompts);
    // The classes the human archers earned with the match or practice session that has just
    // finished, as its results or summary show; empty while one is under way.
    const std::vector<EarnedClass>& classesEarned() const { return classesEarned_; }
    // A practice session as the practice dialog chose it, kept for the next time; `club` is the
    // archer's as the history knows it.
    void startPractice(const PracticeSettings& chosen, const Utf8Text& club);
    // A bracket as the bouts dialog chose it, kept for the next time: the player against the
    // division's list, his bouts on the board. `club` is the archer's as the history knows it.
    void startBracket(const BoutSettings& chosen, const Utf8Text& club);

    // The player's keys and pad, as the input passes them on: true when the key plays an action.
    bool keyPressed(KeyCode key);
    bool keyReleased(KeyCode key);
    // One reading of the pad; `playable` is false while a window stands over the board.
    void padRead(const GamepadCommands& commands, bool playable);
    // A window came over the board or the game lost the focus: every action held goes up.
    void letGoOfKeys();
    // While a window stands over the board the end clock stands still.
    void setWindowOverBoard(bool over) { windowOverBoard_ = over; }

    // The timers, named as the game knows them: the 10 ms aiming tick and the end clock's look.
    QTimer* Timer1 = nullptr;
    QTimer* HodinyTimer = nullptr;

  Q_SIGNALS:
    // Each aiming tick, before the match moves: the pad is read here.
    void aboutToTick();
    // ... and after it has moved.
    void ticked();
    void aimingChanged(bool aiming);
    void pictureFailed(const QString& message);
    void historyNotSaving();
    // A match came on offer or left it.
    void resumableChanged();
    void settingsNotSaved();

  private:
    class AimingPause {
      public:
        explicit AimingPause(GameSession& session);
        ~AimingPause();
        AimingPause(const AimingPause&) = delete;
        AimingPause& operator=(const AimingPause&) = delete;

      private:
        GameSession& session_;
        bool aiming_;
    };

    void guarded(const std::function<void()>& action);
    void play(const std::vector<KeyTransition>& keys);
    // The history with the arrows of the archers, whose practice lives in them alone.
    static History historyOf(const std::vector<ArcherKey>& archers);
    // A field at the level of the best human archer's handicap, when the player chose it.
    std::optional<PerformanceTable> levelledField(int32_t roundType,
                                                  const CompetitorTable& competitors) const;

    void offerResumable();
    // Whatever has started since the offer was made gives it up.
    void giveUpOfferIfStarted();
    // The board without the opponent's arrows and the set line of a bracket.
    void clearBout();
    // The player's current handicap as the history gives it.
    std::optional<int32_t> handicapOf(const CompetitorRecord& archer) const;
    // Reads from the history what the shoot just finished earned.
    void noteClassesEarned();

    // MatchScreen: the timers are the session's, everything else is the screen's.
    void setLabel(MatchLabel label, const std::string& text) override;
    void loadPicture(PictureSlot slot, const std::string& fileName) override;
    void loadMarkerIcons(const std::string& fileName) override;
    void moveSight(Point topLeft) override;
    void moveDrawnArrow(int32_t left) override;
    void moveMarker(int32_t number, Point topLeft) override;
    void setNextarrowEnabled(bool enabled) override;
    void setTimerRunning(bool running) override;
    void showResults() override;
    void showMessage(const Utf8Text& caption, const Utf8Text& text) override;
    void showEndClock(int32_t secondsLeft, ClockLight light) override;
    void hideEndClock() override;
    void showWind(const Wind& wind, const FlagPose& flag) override;
    void hideWind() override;
    bool showPracticeSummary(const PracticeSession& session) override;
    // BracketScreen: the bracket's window waits with the arrow.
    void showOpponentArrows(const std::vector<Point>& scopePoints) override;
    void showSetLine(const std::optional<SetLine>& line) override;
    void showBracket(const BracketView& view) override;

    FileStore& files_;
    Random& random_;
    RangeSounds& sounds_;
    SessionSettings settings_;
    MatchState state_;
    MatchEngine engine_;
    ControlInput input_;
    QtSteadyClock clock_;
    NullMatchScreen noScreen_;
    MatchScreen* screen_ = &noScreen_;
    SqliteMatchLog* history_ = nullptr;
    NullBracketScreen noBracketScreen_;
    BracketScreen* bracketScreen_ = &noBracketScreen_;
    NullBoutLog noBoutLog_;
    std::unique_ptr<BracketRun> bracket_;
    bool windowOverBoard_ = false;
    std::vector<EarnedClass> classesEarned_;
    std::optional<ResumableOffer> resumable_;
};
