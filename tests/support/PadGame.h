#pragma once

#include <SDL.h>

#include <QApplication>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "platform/Gamepad.h"
#include "session/GameSession.h"
#include "support/MemoryFileStore.h"
#include "support/ModalAnswers.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"
#include "support/VirtualPad.h"
#include "support/WorkingDirectory.h"
#include "windows/BoardInput.h"
#include "windows/ControlNames.h"
#include "windows/MainWindow.h"
#include "windows/OnScreenKeyboard.h"

// The sway is still with this fallback (see the engine tests' rig), so only the pad moves the
// sight.
inline constexpr int32_t kSteady = 22522;

// The main window reading SDL's controllers, on files in memory in the run folder; the pad's
// buttons are tapped between two readings, and the aiming tick is given by the test.
struct PadGame {
    WorkingDirectory inRunDir{QStringLiteral(VEXA_RUN_DIR)};
    MemoryFileStore files;
    ScriptedRandom random;
    RecordingSounds sound;
    Gamepad gamepad;
    GameSession session{files, random, sound, QtKeyText()};
    MainWindow form{session, files};

    PadGame() {
        random.setFallback(kSteady);
        form.askWelcome = [] { return true; };
        form.useGamepad(gamepad);
        form.FormCreate();
        form.show();
        form.activateWindow();
    }
    const MatchState& state() { return session.state(); }
    // One aiming tick, as Timer1 gives it; the test holds the timer so that only these count.
    void tick() {
        session.Timer1->stop();
        session.Timer1Timer();
    }
    // Up again before the reading that sees it, so that a window it opens finds it up.
    void tap(VirtualPad& pad, SDL_GameControllerButton button) {
        pad.set(button, true);
        SDL_PumpEvents();
        pad.set(button, false);
        form.input().readPad();
    }
    // Moves the focus with `way` until `control` has it; false when it never comes.
    bool stepTo(VirtualPad& pad, QWidget* control,
                SDL_GameControllerButton way = SDL_CONTROLLER_BUTTON_DPAD_RIGHT) {
        for (int i = 0; i < 40 && !hasFocus(control); ++i) tap(pad, way);
        return hasFocus(control);
    }
    static bool hasFocus(QWidget* control) {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr && (focus == control || control->isAncestorOf(focus));
    }
    // Types `text` with the pad: the d-pad along the row and down the column to each key, A on
    // it; first the case key where the keys show the other case.
    void typeOn(OnScreenKeyboard& keyboard, VirtualPad& pad, const QString& text) {
        const auto key = [&keyboard](const QString& caption) {
            const auto found = std::ranges::find_if(
                keyboard.Keys, [&](QPushButton* k) { return k->text() == caption; });
            return found != keyboard.Keys.end() ? *found : nullptr;
        };
        for (QChar c : text) {
            const QString caption = c == u' ' ? QStringLiteral("␣") : QString(c);
            if (key(caption) == nullptr)
                press(keyboard, pad, keyboard.Keys[keyboard.Keys.size() - 2]);
            QPushButton* wanted = key(caption);
            QVERIFY2(wanted, qPrintable(caption));
            press(keyboard, pad, wanted);
        }
    }
    void press(OnScreenKeyboard& keyboard, VirtualPad& pad, QPushButton* key) {
        const auto focused = [] { return QApplication::focusWidget(); };
        for (int i = 0; i < 40 && focused()->x() != key->x(); ++i) {
            tap(pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        }
        for (int i = 0; i < 40 && focused() != key; ++i) tap(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        QCOMPARE(focused(), key);
        QVERIFY(keyboard.isActiveWindow());
        tap(pad, SDL_CONTROLLER_BUTTON_A);
    }
};

// A step for a modal window of kind T that the pad goes through: it starts once the window is
// the active one, where the pad acts.
template <typename T>
ModalAnswers::Step WithPad(std::function<void(T&)> act) {
    return Answer<T>([act = std::move(act)](T& window) {
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&window));
        act(window);
    });
}
