#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <ctime>
#include <iostream>
#include <optional>

#include "app/InstallLayout.h"
#include "platform/GameFolder.h"
#include "platform/Gamepad.h"
#include "platform/PulseRangeSounds.h"
#include "platform/QtFileStore.h"
#include "platform/QtRangeSounds.h"
#include "platform/Translations.h"
#include "platform/WindowScale.h"
#include "platform/history/SqliteMatchLog.h"
#include "rules/match/Random.h"
#include "session/GameSession.h"
#include "windows/ControlNames.h"
#include "windows/ErrorBox.h"
#include "windows/MainWindow.h"
#include "windows/X11Images.h"

namespace {

// The game keeps its files by bare name in the current directory: make the player's game folder
// current, laying any missing default file there first.
std::optional<QString> enterGameFolder() {
    const QString folder = PlayerGameFolder();
    const QString defaults =
        DefaultFilesFolder(QCoreApplication::applicationDirPath(), kDefaultsFromProgram);
    if (auto problem = LayGameFolder(folder, defaults, kGameFiles)) return problem;
    if (!QDir::setCurrent(folder)) {
        return QCoreApplication::translate("GameFolder", "Do herní složky „%1“ nelze přejít.")
            .arg(folder);
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    UsePlainX11Images();
    // Read from the game folder before it is laid or entered: Qt takes the size only now.
    ApplyWindowScale(StoredWindowScale(PlayerGameFolder()));
    QApplication app(argc, argv);
    KeepPlainX11ImagesToX11();
    app.setApplicationName(QStringLiteral("VEXA 99"));
    // The desktop's language until the player's settings, kept in the game folder, are read.
    SpeakLanguage(InterfaceLanguage({}, ProcessEnvironment(), SpokenLanguages()));
    if (const auto problem = enterGameFolder()) {
        std::cerr << "vexa99: " << problem->toStdString() << std::endl;
        QMessageBox::critical(nullptr, app.applicationName(), *problem);
        return 1;
    }
    return RunShowingFatalErrors([&app] {
        QtFileStore files;
        SeededRandom random(static_cast<uint32_t>(std::time(nullptr)));
        QtRangeSounds qtSounds;
        PulseRangeSounds sounds(qtSounds);
        // Outlives the session and the window, so that ends still waiting are stored when the
        // game closes.
        SqliteMatchLog history(kHistoryFile);
        Gamepad gamepad;
        GameSession session(files, random, sounds, QtKeyText());
        session.recordInto(history);
        MainWindow form1(session, files);
        form1.useGamepad(gamepad);
        if (!form1.FormCreate()) return 0;
        form1.showAsKept();
        return app.exec();
    });
}
