#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <set>
#include <utility>

#include "platform/history/HistoryFile.h"
#include "platform/history/SqliteMatchLog.h"
#include "rules/competitors/CompetitorFile.h"
#include "rules/match/Aiming.h"
#include "rules/match/Rounds.h"
#include "session/GameSession.h"
#include "support/Competitors.h"
#include "support/EngineRig.h"
#include "support/HistoryFiles.h"
#include "support/KeyTexts.h"
#include "support/MemoryFileStore.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedPrompts.h"
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

// The bracket's side of the screen: what each end and each showing of the bracket told.
struct RecordingBracketScreen final : BracketScreen {
    std::vector<std::size_t> opponentArrows;  // per end shot
    std::vector<SetLine> setLines;
    int cleared = 0;  // the set line taken away
    struct Shown {
        bool finished;
        std::optional<int32_t> place;
    };
    std::vector<Shown> brackets;

    void showOpponentArrows(const std::vector<Point>& points) override {
        if (!points.empty()) opponentArrows.push_back(points.size());
    }
    void showSetLine(const std::optional<SetLine>& line) override {
        if (line) {
            setLines.push_back(*line);
        } else {
            ++cleared;
        }
    }
    void showBracket(const BracketView& view) override {
        const std::vector<int32_t> places = view.bracket.finalPlaces();
        brackets.push_back(
            {view.bracket.finished(),
             view.bracket.finished()
                 ? std::optional(places[static_cast<std::size_t>(*view.playerSeed - 1)])
                 : std::nullopt});
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

    // Eleven archers of the list and the player in a bracket of 16: the player's bouts shot on
    // the board with the ticks, the rest by the computer, everything in the history.
    void aWholeBracketIsShotThroughTheSession() {
        QTemporaryDir folder;
        WorkingDirectory cwd(folder.path());
        MemoryFileStore files;
        std::vector<std::string> names;
        for (char c = 'A'; c < 'A' + 11; ++c) names.push_back(std::string("Soupe\xf8 ") + c);
        CompetitorTable list = Field(names);
        for (std::size_t i = 0; i < names.size(); ++i)
            list[i].Performance[1] = 5 + int(i);  // weak: the player goes far
        files.files["muzi.luk"] = encodeCompetitorFile(list);
        SeededRandom random(2026);
        RecordingSounds sounds;
        RecordingScreen screen;
        RecordingBracketScreen bracket;
        SqliteMatchLog log(kHistoryFile);  // outlives the session, which tells it to wait
        GameSession session(files, random, sounds, {.read = ReadKeyTexts, .name = {}});
        session.showOn(screen);
        session.showBracketsOn(bracket);
        session.start({});
        {
            session.recordInto(log);
            session.startBracket({.archer = "Eva", .bracketSize = 16}, Utf8Text{"SK"});
            MatchEngine& engine = session.engine();
            for (int step = 0; step < 2000 && session.state().MatchUnderWay; ++step) {
                if (!session.state().TimerRunning) {
                    session.NextarrowClick();
                    continue;
                }
                engine.FormKeyDown(kVkDraw);
                for (int tick = 0; tick < EngineRig::drawTicks(100); ++tick) session.Timer1Timer();
                engine.FormKeyDown(kVkShoot);
                session.Timer1Timer();
                for (int32_t key : {kVkShoot, kVkDraw}) engine.FormKeyUp(key);
            }
            QVERIFY(!session.state().MatchUnderWay);
        }
        QCOMPARE(session.playerSettings().bouts.bracketSize, 16);

        // One showing of the bracket after each of the player's bouts, the last one final.
        const std::string db = kHistoryFile;
        const int bouts = QueryInt(db, "SELECT count(*) FROM bouts");
        QVERIFY(bouts >= 1);
        QCOMPARE(static_cast<int>(bracket.brackets.size()), bouts);
        QVERIFY(bracket.brackets.back().finished);
        for (std::size_t i = 0; i + 1 < bracket.brackets.size(); ++i)
            QVERIFY(!bracket.brackets[i].finished);
        const std::optional<int32_t> place = bracket.brackets.back().place;
        QVERIFY(place && std::set<int32_t>({1, 2, 3, 4, 5, 9}).count(*place));
        QCOMPARE(QueryText(db,
                           "SELECT round_name || '|' || matchplay || '|' || practice || '|' || "
                           "place || '|' || (finished IS NOT NULL) FROM matches"),
                 "Souboje 70 m|1|0|" + std::to_string(*place) + "|1");

        // Every end: a set line, the opponent's arrows as many as the player's, one stored end.
        const int ends = QueryInt(db, "SELECT count(DISTINCT end_no) FROM arrows");
        QCOMPARE(static_cast<int>(bracket.setLines.size()), ends);
        QCOMPARE(static_cast<int>(bracket.opponentArrows.size()), ends);
        QCOMPARE(QueryInt(db, "SELECT sum(last_end - first_end + 1) FROM bouts"), ends);
        for (std::size_t end = 0; end < bracket.setLines.size(); ++end) {
            const SetLine& line = bracket.setLines[end];
            const int arrows = QueryInt(
                db,
                ("SELECT count(*) FROM arrows WHERE end_no = " + std::to_string(end + 1)).c_str());
            QCOMPARE(arrows, line.set == 0 ? 1 : kArrowsPerSet);
            QCOMPARE(static_cast<int>(bracket.opponentArrows[end]), arrows);
            QVERIFY(line.totals.first <= 10 * arrows && line.totals.second <= 10 * arrows);
        }
        // Each set's points add up to the bout's, and a set's total is its arrows' sum.
        QCOMPARE(QueryInt(db,
                          "SELECT count(*) FROM bouts WHERE set_points != (SELECT "
                          "sum(json_extract(value, '$[2]')) FROM json_each(sets)) OR "
                          "opponent_set_points != (SELECT sum(json_extract(value, '$[3]')) "
                          "FROM json_each(sets))"),
                 0);
        QCOMPARE(QueryInt(db,
                          "SELECT sum(json_extract(value, '$[0]')) FROM bouts, "
                          "json_each(bouts.sets)") +
                     QueryInt(db,
                              "SELECT ifnull(sum(json_extract(value, '$[0]')), 0) FROM "
                              "bouts, json_each(bouts.shoot_off)"),
                 QueryInt(db, "SELECT sum(score) FROM arrows"));
        // A bout is won with six set points or the shoot-off, and only the last can be lost.
        QCOMPARE(QueryInt(db,
                          "SELECT count(*) FROM bouts WHERE won = 1 AND set_points < 6 AND "
                          "shoot_off = '[]'"),
                 0);
        QCOMPARE(QueryInt(db, "SELECT count(*) FROM bouts WHERE won = 0 AND bout_no < " +
                                  std::to_string(bouts) + " AND round != 'Semifin\u00e1le'"),
                 0);
        // The player has no handicap yet: none is kept for him.
        QCOMPARE(QueryInt(db, "SELECT count(*) FROM bouts WHERE handicap IS NOT NULL"), 0);
    }

    // "Nová hra" opened in a bout and cancelled leaves the bout's set line; one that starts
    // takes it away.
    void aNewMatchClearsTheBoutOnlyWhenItStarts() {
        Session s;
        RecordingBracketScreen bracket;
        s.session.showBracketsOn(bracket);
        s.files.files["muzi.luk"] = encodeCompetitorFile(Field({"Petr", "Jan", "Karel"}));
        s.session.startBracket({.archer = "Eva", .bracketSize = 8}, Utf8Text{"SK"});
        const int clearedAtStart = bracket.cleared;
        ScriptedPrompts cancelled;
        s.session.newMatch(cancelled);
        QCOMPARE(bracket.cleared, clearedAtStart);
        QVERIFY(s.state().MatchUnderWay);

        ScriptedPrompts started;
        started.roundType = 1;
        started.listSteps = {ScriptedPrompts::command(kListStart)};
        s.session.newMatch(started);
        QCOMPARE(bracket.cleared, clearedAtStart + 1);
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
