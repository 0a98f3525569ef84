#include <SDL.h>

#include <QMenu>
#include <QtTest>

#include "platform/Gamepad.h"
#include "rules/match/Aiming.h"
#include "session/GameSession.h"
#include "support/Competitors.h"
#include "support/MemoryFileStore.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"
#include "support/VirtualPad.h"
#include "support/WorkingDirectory.h"
#include "windows/BoardInput.h"
#include "windows/ClickableImage.h"
#include "windows/ControlNames.h"
#include "windows/FullScreenBoard.h"
#include "windows/MainWindow.h"

namespace {

// The sway is still with this fallback (see the engine tests' rig), so only the pad moves the
// sight.
constexpr int32_t kSteady = 22522;

struct Game {
    WorkingDirectory inRunDir{QStringLiteral(VEXA_RUN_DIR)};
    MemoryFileStore files;
    ScriptedRandom random;
    RecordingSounds sound;
    Gamepad gamepad;
    GameSession session{files, random, sound, QtKeyText()};
    MainWindow form{session, files};
    Game() {
        random.setFallback(kSteady);
        form.askWelcome = [] { return true; };
        form.useGamepad(gamepad);
        form.FormCreate();
        form.show();
        form.activateWindow();
    }
    const MatchState& state() { return form.session().state(); }
    // One aiming tick, as Timer1 gives it; the test holds the timer so that only these count.
    void tick() {
        form.session().Timer1->stop();
        form.session().Timer1Timer();
    }
    void tap(VirtualPad& pad, SDL_GameControllerButton button) {
        pad.set(button, true);
        form.input().readPad();
        pad.set(button, false);
        form.input().readPad();
    }
};

}  // namespace

class GamepadTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void aPadSteersDrawsReleasesAndNocksTheNextArrow() {
        Game g;
        QVERIFY(g.gamepad.started());
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        g.form.session().engine().StartMatch(1, OneArcher());
        VirtualPad pad;
        QVERIFY(pad.plugged());
        g.form.input().readPad();
        QCOMPARE(QString::fromStdString(g.gamepad.name()), QStringLiteral("Virtual pad"));

        g.tap(pad, SDL_CONTROLLER_BUTTON_B);
        QVERIFY(g.state().TimerRunning);
        const Point nocked = g.state().Sight;

        // Left on the stick and up on the d-pad: one step each way per tick.
        pad.set(SDL_CONTROLLER_AXIS_LEFTX, -32768);
        pad.set(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
        g.tick();
        g.tick();
        QCOMPARE(g.state().Sight.x, nocked.x - 2 * kKeyStep);
        QCOMPARE(g.state().Sight.y, nocked.y - 2 * kKeyStep);
        // Within the dead zone the stick rests.
        pad.set(SDL_CONTROLLER_AXIS_LEFTX, kStickDeadZone / 2);
        pad.set(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
        g.tick();
        QCOMPARE(g.state().Sight, (Point{nocked.x - 2 * kKeyStep, nocked.y - 2 * kKeyStep}));

        // Hundreds of events between two ticks still move the sight one step at most.
        for (int i = 0; i < 300; ++i) {
            pad.set(SDL_CONTROLLER_AXIS_LEFTX, i % 2 ? 32767 : -32768);
            pad.set(SDL_CONTROLLER_AXIS_LEFTY, i % 3 ? -32768 : 32767);
            pad.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, i % 2);
            SDL_PumpEvents();
        }
        const Point before = g.state().Sight;
        g.tick();
        QVERIFY(std::abs(g.state().Sight.x - before.x) <= kKeyStep);
        QVERIFY(std::abs(g.state().Sight.y - before.y) <= kKeyStep);
        pad.set(SDL_CONTROLLER_AXIS_LEFTX, 0);
        pad.set(SDL_CONTROLLER_AXIS_LEFTY, 0);
        pad.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);

        // The trigger draws; the south button lets the arrow go.
        QVERIFY(!g.state().KeyDraw);
        pad.set(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
        const int32_t rest = g.state().ArrowLeft;
        for (int i = 0; i < 20; ++i) g.tick();
        QVERIFY(g.state().KeyDraw);
        QVERIFY(g.state().ArrowLeft < rest);
        const int32_t arrowsLeft = g.state().ArrowsLeft;
        pad.set(SDL_CONTROLLER_BUTTON_A, true);
        g.tick();
        QVERIFY(!g.state().TimerRunning);
        QCOMPARE(g.state().ArrowsLeft, arrowsLeft);  // the engine counts on at the next arrow
        QVERIFY(g.form.board->Nextarrow->isEnabled());
        pad.set(SDL_CONTROLLER_BUTTON_A, false);
        pad.set(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, VirtualPad::kTriggerRest);
        g.form.input().readPad();
        QVERIFY(!g.state().KeyShoot && !g.state().KeyDraw);

        g.tap(pad, SDL_CONTROLLER_BUTTON_B);
        QVERIFY(g.state().TimerRunning);
        QCOMPARE(g.state().ArrowsLeft, arrowsLeft - 1);
    }

    void aPadPulledOutMidDrawReleasesNothing() {
        Game g;
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        g.form.session().engine().StartMatch(1, OneArcher());
        auto pad = std::make_unique<VirtualPad>();
        g.tap(*pad, SDL_CONTROLLER_BUTTON_B);
        QVERIFY(g.state().TimerRunning);
        pad->set(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true);
        for (int i = 0; i < 30; ++i) g.tick();
        const int32_t drawn = g.state().ArrowLeft;
        const int32_t arrowsLeft = g.state().ArrowsLeft;

        pad.reset();
        g.tick();
        QVERIFY(!g.state().KeyDraw);
        QVERIFY(g.state().TimerRunning);  // still aimed, not released
        QCOMPARE(g.state().ArrowsLeft, arrowsLeft);
        QVERIFY(g.state().ArrowLeft > drawn);  // the bow lets down

        // Plugged in again, it plays on.
        VirtualPad again;
        g.form.input().readPad();
        again.set(SDL_CONTROLLER_BUTTON_A, true);
        g.tick();
        QVERIFY(!g.state().TimerRunning);
    }

    void startOpensTheGameMenu() {
        Game g;
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        VirtualPad pad;
        g.form.input().readPad();
        QVERIFY(g.form.board->Nextarrow->toolTip().contains(QStringLiteral("ovladači B")));
        pad.set(SDL_CONTROLLER_BUTTON_START, true);
        g.form.input().readPad();
        QTRY_VERIFY(g.form.Hra->isVisible());
        g.form.Hra->close();
    }

    void selectTakesTheBoardToTheWholeScreenAndBack() {
        Game g;
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        VirtualPad pad;
        g.form.input().readPad();
        g.tap(pad, SDL_CONTROLLER_BUTTON_BACK);
        QVERIFY(g.form.fullScreen().isOn());
        QTRY_VERIFY(g.form.isActiveWindow());
        g.tap(pad, SDL_CONTROLLER_BUTTON_BACK);
        QVERIFY(!g.form.fullScreen().isOn());
    }
};

QTEST_MAIN(GamepadTest)
#include "tst_gamepad.moc"
