#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "session/GameSession.h"
#include "support/MemoryFileStore.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"
#include "windows/ControlNames.h"
#include "windows/MainWindow.h"

using GameFiles = std::map<std::string, std::string>;

// The main window as the player has it after the welcome notice, on files in memory that are
// there before it starts, with chance that draws 0 and a clicker that only counts.
struct StartedGame {
    MemoryFileStore files;
    ScriptedRandom random;
    RecordingSounds sound;
    std::unique_ptr<GameSession> session;
    std::unique_ptr<MainWindow> form;

    explicit StartedGame(GameFiles startFiles = {}) {
        files.files = std::move(startFiles);
        random.setFallback(0);
        session = std::make_unique<GameSession>(files, random, sound, QtKeyText());
        form = std::make_unique<MainWindow>(*session, files);
        form->askWelcome = [] { return true; };
        form->FormCreate();
    }
};
