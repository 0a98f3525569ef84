#pragma once

#include "platform/QtFileStore.h"
#include "rules/match/Random.h"
#include "session/GameSession.h"
#include "support/Competitors.h"
#include "windows/ControlNames.h"
#include "windows/MainWindow.h"

// The game's main window as the player has it after the welcome notice, on the game's own files
// in the current folder, with its sounds silent unless given others.
struct AimingWindow {
    QtFileStore files;
    SeededRandom random{1};
    SilentRangeSounds silence;
    GameSession session;
    MainWindow form{session, files};

    explicit AimingWindow(RangeSounds* sounds = nullptr)
        : session(files, random, sounds ? *sounds : silence, QtKeyText()) {
        form.askWelcome = [] { return true; };
        form.FormCreate();
        form.show();
    }
    // A lone archer's short round with the first arrow nocked: the sight sways from here on.
    void nockFirstArrow() {
        form.session().engine().StartMatch(1, OneArcher());
        form.session().NextarrowClick();
    }
};
