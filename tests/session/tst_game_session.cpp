#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <utility>

#include "platform/history/HistoryFile.h"
#include "platform/history/SqliteMatchLog.h"
#include "rules/match/Aiming.h"
#include "rules/match/Rounds.h"
#include "session/GameSession.h"
#include "support/Competitors.h"
#include "support/EngineRig.h"
#include "support/KeyTexts.h"
#include "support/MemoryFileStore.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"
#include "support/WorkingDirectory.h"

namespace {

constexpr GamepadButtons kTrigger = ButtonBit(GamepadButton::RightShoulder);
constexpr GamepadButtons kShoot = ButtonBit(GamepadButton::South);
constexpr GamepadButtons kNext = ButtonBit(GamepadButton::East);

// A session on files in memory with a lone archer's arrow nocked; the test drives the tick.
struct Session {
    MemoryFileStore files;
    ScriptedRandom random;
    RecordingSounds clicker;
    RecordingScreen screen;
    GameSession session{files, random, clicker, {.read = ReadKeyTexts, .name = {}}};

    explicit Session(int32_t sway = 0) {
        random.setFallback(sway);
        session.showOn(screen);
        session.start({});
        session.engine().StartMatch(1, OneArcher());
        session.NextarrowClick();
    }
    const MatchState& state() const { return session.state(); }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) session.Timer1Timer();
    }
    void pad(GamepadButtons held) {
        session.padRead(ReadGamepadCommands({.connected = true, .held = held}), true);
    }
    // Down and up again between two readings.
    void tap(GamepadButtons button, bool playable = true) {
        session.padRead(ReadGamepadCommands({.connected = true, .pressed = button}), playable);
    }
};

}  // namespace

class GameSessionTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Whatever held them, keys let go with a window over the board: the bow comes down, a shot
    // pressed is not let go later, and a pad still held counts only after it has let go.
    void heldActionsAreLetGo() {
        Session s;
        s.session.keyPressed('A');
        s.ticks(20);
        const int32_t drawn = s.state().ArrowLeft;
        QCOMPARE(drawn, kArrowNocked + 20 * kDrawStep);
        s.session.keyPressed('S');
        s.session.letGoOfKeys();
        s.session.keyReleased('A');  // comes up while the window is over the board: unseen
        s.ticks(3);
        QVERIFY(s.state().TimerRunning);  // no arrow flew
        QCOMPARE(s.state().ArrowLeft, drawn + 3 * kLetDownStep);

        s.pad(kTrigger);
        s.ticks(1);
        QVERIFY(s.state().KeyDraw);
        s.session.letGoOfKeys();
        s.pad(kTrigger);  // the board is back, the trigger still down
        QVERIFY(!s.state().KeyDraw);
        s.pad(0);
        s.pad(kTrigger);
        QVERIFY(s.state().KeyDraw);
        // Pressed while a window stands over the board, and still held when it goes.
        s.session.padRead(ReadGamepadCommands({.connected = true, .held = kShoot}), false);
        QVERIFY(!s.state().KeyDraw);
        s.pad(kShoot);
        QVERIFY(!s.state().KeyShoot);
    }

    // Every arrow of the short round nocked, drawn past the clicker and let go by the pad; each
    // distance's results stand over the board, where the pad plays nothing, and the trigger and
    // the release held as they close count only once they have come up.
    void aWholeRoundIsPlayedWithPadCommandsAlone() {
        Session s;
        int results = 0;
        bool heldOver = false;
        s.screen.onShowResults = [&] {
            ++results;
            const bool aiming = s.state().TimerRunning;
            s.session.padRead(ReadGamepadCommands({.connected = true, .held = kTrigger | kShoot}),
                              false);
            QCOMPARE(s.state().TimerRunning, aiming);
            s.session.engine().ResultsClosed();
            heldOver = true;
        };
        s.session.letGoOfKeys();  // the arrow was nocked with a click; from here on the pad
        int arrows = 0;
        for (int step = 0; step < 1000 && s.state().MatchUnderWay; ++step) {
            if (!s.state().TimerRunning) {
                s.pad(0);
                s.tap(kNext);
                continue;
            }
            if (std::exchange(heldOver, false)) {
                s.pad(kTrigger | kShoot);
                s.ticks(1);
                QVERIFY(s.state().TimerRunning && !s.state().KeyDraw);
                s.pad(0);
            }
            s.pad(kTrigger);
            s.ticks((s.state().ArrowLeft - kClickerLeft) / -kDrawStep + 1);  // past the clicker
            s.pad(kTrigger | kShoot);
            s.ticks(1);
            s.pad(0);
            ++arrows;
        }
        const Round round = *findRound(1);
        QCOMPARE(arrows, round.arrows());
        QCOMPARE(s.clicker.ticks, arrows);  // every one drawn to full draw
        QCOMPARE(results, static_cast<int>(round.stages().size()));
        QCOMPARE(s.state().Distance, kDistanceOutsideMatch);
    }

    void aimingWaitsWhileAWindowTakesThePlayerAway() {
        Session s;
        QVERIFY(s.session.Timer1->isActive());
        const bool pausedInside = s.session.whileAimingPaused(
            [&] { return !s.session.Timer1->isActive() && !s.state().TimerRunning; });
        QVERIFY(pausedInside);
        QVERIFY(s.session.Timer1->isActive());
        s.session.engine().SetTimerRunning(false);
        s.session.whileAimingPaused([] {});
        QVERIFY(!s.session.Timer1->isActive());  // nothing was aimed: nothing goes on
    }

    void aSettingsFileThatCannotBeWrittenIsToldOnce() {
        Session s;
        QSignalSpy told(&s.session, &GameSession::settingsNotSaved);
        s.files.unwritable.insert(SettingsFile::kFileName);
        PlayerSettings changed = s.session.playerSettings();
        changed.windowScale = 200;
        QVERIFY(!s.session.settings().save(changed));
        changed.language = "en";
        QVERIFY(!s.session.settings().save(changed));
        QCOMPARE(told.count(), 1);
        QCOMPARE(s.session.playerSettings(), changed);  // the game goes on with the choice

        Session other;
        QSignalSpy toldByCaller(&other.session, &GameSession::settingsNotSaved);
        other.files.unwritable.insert(SettingsFile::kFileName);
        other.session.settings().save(changed, SessionSettings::FailureTold::ByCaller);
        other.session.settings().save(changed);
        QCOMPARE(toldByCaller.count(), 0);
    }

    // The player's volume reaches the sounds at once and, kept, at the next start; muted, they
    // are silent whatever the volume, which waits for the mute to go.
    void theSoundLevelIsAppliedAndKept() {
        MemoryFileStore files;
        ScriptedRandom random;
        const KeyTextFormat keys{.read = ReadKeyTexts, .name = {}};
        RecordingSounds sounds;
        GameSession session(files, random, sounds, keys);
        QCOMPARE(sounds.volume, 100);
        session.setSoundLevel(40, false);
        QCOMPARE(sounds.volume, 40);
        session.setSoundLevel(40, true);
        QCOMPARE(sounds.volume, 0);

        RecordingSounds afterRestart;
        GameSession next(files, random, afterRestart, keys);
        QCOMPARE(afterRestart.volume, 0);
        next.setSoundLevel(next.playerSettings().volume, false);
        QCOMPARE(afterRestart.volume, 40);
        QVERIFY(files.files[SettingsFile::kFileName].find("hlasitost=40") != std::string::npos);
    }

    // Four sessions of 36 arrows at 30 m: the fourth completes the 12 dozen of Archer 3rd Class.
    void aFinishedShootTellsTheClassItEarnedItsArcher() {
        QTemporaryDir folder;
        WorkingDirectory cwd(folder.path());
        Session s(kSteady);
        SqliteMatchLog log(kHistoryFile);
        s.session.recordInto(log);
        MatchEngine& engine = s.session.engine();
        for (int session = 1; session <= 4; ++session) {
            QVERIFY(s.session.classesEarned().empty());
            s.session.startPractice({.archer = "Eva", .distance = 30, .ends = 12}, Utf8Text{"SK"});
            for (int arrow = 0; arrow < 36; ++arrow) {  // steered to the centre, at full draw
                s.session.NextarrowClick();
                for (int32_t key : {kVkDraw, kVkLeft, kVkUp}) engine.FormKeyDown(key);
                for (int tick = 0; tick <= EngineRig::drawTicks(100); ++tick) {
                    if (tick == 9)
                        for (int32_t key : {kVkLeft, kVkUp}) engine.FormKeyUp(key);
                    if (tick == EngineRig::drawTicks(100)) engine.FormKeyDown(kVkShoot);
                    s.session.Timer1Timer();
                }
                for (int32_t key : {kVkShoot, kVkDraw}) engine.FormKeyUp(key);
            }
        }
        QCOMPARE(s.session.classesEarned(),
                 (std::vector<EarnedClass>{{Utf8Text{"Eva"}, ArcheryClass::A3}}));
    }
};

QTEST_GUILESS_MAIN(GameSessionTest)
#include "tst_game_session.moc"
