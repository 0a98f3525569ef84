// What a game controller costs while an arrow is aimed: the game's processor time with no
// controller support at all, with SDL's controller part started and no pad, and with an idle pad
// plugged in, in the same run; then what an idle pad costs while a window stands over the board,
// where it steps through the window, against the board between arrows, where it plays the match.
// Run on an X server, e.g. xvfb-run -a bench/gamepad_bench [SECONDS].
#include <SDL.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <cstdio>
#include <cstdlib>

#include "AimingRig.h"
#include "platform/Gamepad.h"
#include "support/AimingWindow.h"
#include "support/VirtualPad.h"
#include "windows/AboutBox.h"
#include "windows/MainWindow.h"
#include "windows/X11Images.h"

namespace {

// What one reading of the pads costs, in microseconds: the share of the aiming is this times the
// 100 readings a second a connected pad gets, and small enough to drown in the noise above.
double MicrosecondsPerRead(Gamepad& gamepad) {
    constexpr int kReads = 20000;
    gamepad.read();
    QElapsedTimer wall;
    wall.start();
    for (int i = 0; i < kReads; ++i) gamepad.read();
    return static_cast<double>(wall.nsecsElapsed()) / 1e3 / kReads;
}

// Lets the aimed arrow go with the release key, as the window gets it: the board is then between
// arrows, and the pad is read on its own timer as often as the aiming tick would.
void Release(MainWindow& form) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, Qt::Key_S, Qt::NoModifier);
        QCoreApplication::sendEvent(form.board->Tercov, &event);
    }
}

// The share of a core with "O hře..." open over the board, as the menu opens it, and active.
ProcessorTime InDialogFor(MainWindow& form, double seconds) {
    AboutBox box(&form);
    box.setModal(true);
    box.show();
    box.activateWindow();
    return CoreShareOver(seconds);
}

}  // namespace

int main(int argc, char** argv) {
    UsePlainX11Images();  // as the game does
    QApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(VEXA_RUN_DIR));
    const double seconds = argc == 2 ? std::atof(argv[1]) : 5.0;
    AimingWindow window;
    MainWindow& form = window.form;
    window.nockFirstArrow();
    CoreShareOver(1.0);  // let the window settle on the screen

    std::printf("aiming, share of one core over %.0f s each:\n", seconds);
    std::printf("no controller support  %6.3f %%\n", Total(AimFor(form, seconds)) * 100);
    Gamepad gamepad;
    form.useGamepad(gamepad);
    // Alternated, so that a drift of the machine's load shows as a difference between rounds.
    for (int round = 0; round < 2; ++round) {
        std::printf("SDL, no pad            %6.3f %%\n", Total(AimFor(form, seconds)) * 100);
        VirtualPad pad;
        if (!pad.plugged()) {
            std::printf("no virtual pad: %s\n", SDL_GetError());
            return 1;
        }
        std::printf("SDL, idle pad plugged  %6.3f %%\n", Total(AimFor(form, seconds)) * 100);
        if (round == 1) {
            const double plugged = MicrosecondsPerRead(gamepad);
            std::printf("one reading with a pad %6.2f us, 100 a second: %5.3f %% of a core\n",
                        plugged, plugged * 100 / 1e6 * 100);
        }
    }
    const double none = MicrosecondsPerRead(gamepad);
    std::printf("one reading without    %6.2f us, 4 a second:   %5.3f %% of a core\n", none,
                none * 4 / 1e6 * 100);

    VirtualPad pad;
    Release(form);
    CoreShareOver(1.0);
    if (form.session().Timer1->isActive()) {
        std::printf("the arrow was not let go\n");
        return 1;
    }
    std::printf("idle pad plugged, share of one core over %.0f s each:\n", seconds);
    for (int round = 0; round < 2; ++round) {
        std::printf("board, between arrows  %6.3f %%\n", Total(CoreShareOver(seconds)) * 100);
        std::printf("window over the board  %6.3f %%\n", Total(InDialogFor(form, seconds)) * 100);
    }
    return 0;
}
