// What a game controller costs while an arrow is aimed: the game's processor time with no
// controller support at all, with SDL's controller part started and no pad, and with an idle pad
// plugged in, in the same run. Run on an X server, e.g. xvfb-run -a bench/gamepad_bench [SECONDS].
#include <SDL.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "platform/Gamepad.h"
#include "platform/QtFileStore.h"
#include "rules/match/Random.h"
#include "windows/MainWindow.h"
#include "windows/X11Images.h"

namespace {

class SilentClicker final : public ClickerSound {
  public:
    void playTick() override {}
};

double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The share of one core the process used while the player aims for `seconds`, drawing for
// 600 ms and letting down for 200 ms, never releasing.
double AimingShare(MainWindow& form, double seconds) {
    QTimer player;
    player.setInterval(200);
    QObject::connect(&player, &QTimer::timeout, [&form, step = 0]() mutable {
        if (step % 4 == 0) form.engine().FormKeyDown(kVkDraw);
        if (step % 4 == 3) form.engine().FormKeyUp(kVkDraw);
        ++step;
    });
    player.start();
    QElapsedTimer wall;
    const double before = ProcessorSeconds();
    wall.start();
    QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer,
                       [] { QApplication::exit(); });
    QApplication::exec();
    return (ProcessorSeconds() - before) / (static_cast<double>(wall.nsecsElapsed()) / 1e9);
}

SDL_Joystick* PlugVirtualPad() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Virtual pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    return index < 0 ? nullptr : SDL_JoystickOpen(index);
}

void UnplugVirtualPad(SDL_Joystick* joystick) {
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
    SDL_JoystickClose(joystick);
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    }
}

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

CompetitorTable OneArcher() {
    CompetitorTable table;
    table[0] = {"Lukostrelec", "Klub", {60, 60, 60, 60}, false};
    return table;
}

}  // namespace

int main(int argc, char** argv) {
    UsePlainX11Images();  // as the game does
    QApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(VEXA_RUN_DIR));
    const double seconds = argc == 2 ? std::atof(argv[1]) : 5.0;
    QtFileStore files;
    SeededRandom random(1);
    SilentClicker clicker;
    MainWindow form(files, random, clicker);
    form.askWelcome = [] { return true; };
    form.FormCreate();
    form.show();
    form.engine().StartMatch(1, OneArcher());
    form.NextarrowClick();
    AimingShare(form, 1.0);  // let the window settle on the screen

    std::printf("aiming, share of one core over %.0f s each:\n", seconds);
    std::printf("no controller support  %6.3f %%\n", AimingShare(form, seconds) * 100);
    Gamepad gamepad;
    form.useGamepad(gamepad);
    // Alternated, so that a drift of the machine's load shows as a difference between rounds.
    for (int round = 0; round < 2; ++round) {
        std::printf("SDL, no pad            %6.3f %%\n", AimingShare(form, seconds) * 100);
        SDL_Joystick* pad = PlugVirtualPad();
        if (pad == nullptr) {
            std::printf("no virtual pad: %s\n", SDL_GetError());
            return 1;
        }
        std::printf("SDL, idle pad plugged  %6.3f %%\n", AimingShare(form, seconds) * 100);
        if (round == 1) {
            const double plugged = MicrosecondsPerRead(gamepad);
            std::printf("one reading with a pad %6.2f us, 100 a second: %5.3f %% of a core\n",
                        plugged, plugged * 100 / 1e6 * 100);
        }
        UnplugVirtualPad(pad);
    }
    const double none = MicrosecondsPerRead(gamepad);
    std::printf("one reading without    %6.2f us, 4 a second:   %5.3f %% of a core\n", none,
                none * 4 / 1e6 * 100);
    return 0;
}
