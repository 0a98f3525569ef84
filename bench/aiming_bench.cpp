// What aiming costs the game: its own processor time while an arrow is aimed (the 10 ms timer
// sways the sight and moves the drawn arrow), against the same window standing idle in the same
// run. Run on a display server: the X server of xvfb-run -a, or a Wayland compositor with
// QT_QPA_PLATFORM=wayland (bench/aiming_sizes.sh runs both, at each window size).
//
//     aiming_bench [--scale PERCENT] [SECONDS]    share of one core, aiming and idle
//     aiming_bench [--scale PERCENT] --shot FILE  the window after a fixed 40 ticks of aiming
//
// PERCENT is the player's window size (100, 150, 200, 300), applied as the game applies it.
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/QtFileStore.h"
#include "platform/WindowScale.h"
#include "rules/match/Random.h"
#include "windows/MainWindow.h"
#include "windows/X11Images.h"

namespace {

class SilentClicker final : public ClickerSound {
  public:
    void playTick() override {}
};

// Processor time of the process so far: in its own code and in the kernel on its behalf.
struct ProcessorTime {
    double user = 0;
    double system = 0;
};

ProcessorTime ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return {seconds(usage.ru_utime), seconds(usage.ru_stime)};
}

// Runs the event loop for `seconds` and returns the share of one core the process used.
ProcessorTime CoreShareOver(double seconds) {
    QElapsedTimer wall;
    const ProcessorTime before = ProcessorSeconds();
    wall.start();
    QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer,
                       [] { QApplication::exit(); });
    QApplication::exec();
    const ProcessorTime after = ProcessorSeconds();
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    return {(after.user - before.user) / elapsed, (after.system - before.system) / elapsed};
}

void Report(const char* phase, ProcessorTime share) {
    std::printf("%-7s %5.2f %% of a core (user %5.2f %%, system %5.2f %%)\n", phase,
                (share.user + share.system) * 100, share.user * 100, share.system * 100);
}

CompetitorTable OneArcher() {
    CompetitorTable table;
    table[0] = {"Lukostrelec", "Klub", {60, 60, 60, 60}, false};
    return table;
}

// A player drawing for 600 ms and letting down for 200 ms, over and over, never releasing;
// the share of a core the process used meanwhile. (A profiler can collect this function alone.)
[[gnu::noinline]] ProcessorTime AimFor(MainWindow& form, double seconds) {
    QTimer player;
    player.setInterval(200);
    QObject::connect(&player, &QTimer::timeout, [&form, step = 0]() mutable {
        if (step % 4 == 0) form.engine().FormKeyDown(kVkDraw);
        if (step % 4 == 3) form.engine().FormKeyUp(kVkDraw);
        ++step;
    });
    player.start();
    return CoreShareOver(seconds);
}

}  // namespace

int main(int argc, char** argv) {
    int32_t scale = 100;
    if (argc >= 3 && std::strcmp(argv[1], "--scale") == 0) {
        scale = std::atoi(argv[2]);
        argv[2] = argv[0];  // the rest read as if the option had not been there
        argc -= 2;
        argv += 2;
    }
    UsePlainX11Images();  // as the game does
    ApplyWindowScale(scale);
    QApplication app(argc, argv);
    KeepPlainX11ImagesToX11();
    QDir::setCurrent(QStringLiteral(VEXA_RUN_DIR));
    QtFileStore files;
    SeededRandom random(1);
    SilentClicker clicker;
    MainWindow form(files, random, clicker);
    form.askWelcome = [] { return true; };
    form.FormCreate();
    form.show();
    CoreShareOver(1.0);  // let the window settle on the screen
    form.engine().StartMatch(1, OneArcher());
    form.NextarrowClick();

    if (argc == 3 && std::strcmp(argv[1], "--shot") == 0) {
        form.engine().SetTimerRunning(false);
        form.engine().FormKeyDown(kVkDraw);
        for (int tick = 0; tick < 40; ++tick) form.engine().Timer1Timer();
        CoreShareOver(0.5);
        // What the X server shows, as the window's painting left it on the screen (X11 only).
        const QPixmap shown = form.screen()->grabWindow(form.winId());
        return shown.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }

    const double seconds = argc == 2 ? std::atof(argv[1]) : 10.0;
    const ProcessorTime aiming = AimFor(form, seconds);
    form.engine().SetTimerRunning(false);
    const ProcessorTime idle = CoreShareOver(seconds);
    std::printf("%s at %d %%, over %.0f s each:\n",
                QGuiApplication::platformName().toUtf8().constData(), scale, seconds);
    Report("aiming", aiming);
    Report("idle", idle);
    return 0;
}
