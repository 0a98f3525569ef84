// What aiming costs the game: its own processor time while an arrow is aimed (the 10 ms timer
// sways the sight and moves the drawn arrow), with the player's keys and draws and with the sway
// alone, against the same window standing idle and against a bare 10 ms timer in the same run. Run
// on a display server: the X server of xvfb-run -a, or a Wayland compositor with
// QT_QPA_PLATFORM=wayland (bench/aiming_sizes.sh runs both, at each window size).
//
//     aiming_bench [--scale PERCENT] [SECONDS [ROUNDS]]  share of one core: aiming, sway, idle,
//                                                         tick
//     aiming_bench [--scale PERCENT] --shot FILE         the window after 40 ticks of aiming
//
// PERCENT is the player's window size (100, 150, 200, 300), applied as the game applies it. With
// ROUNDS (1 without it), aiming, sway and the bare tick take turns for SECONDS each, round after
// round, and the median round of each is shown: whatever else the machine does drifts over all
// three alike, and a round the machine was busy in does not move the medians.
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "AimingRig.h"
#include "platform/WindowScale.h"
#include "support/AimingWindow.h"
#include "windows/MainWindow.h"
#include "windows/X11Images.h"

int main(int argc, char** argv) {
    const int32_t scale = TakeScaleOption(argc, argv);
    UsePlainX11Images();  // as the game does
    ApplyWindowScale(scale);
    QApplication app(argc, argv);
    KeepPlainX11ImagesToX11();
    QDir::setCurrent(QStringLiteral(VEXA_RUN_DIR));
    AimingWindow window;
    MainWindow& form = window.form;
    CoreShareOver(1.0);  // let the window settle on the screen
    window.nockFirstArrow();

    if (argc == 3 && std::strcmp(argv[1], "--shot") == 0) {
        form.session().engine().SetTimerRunning(false);
        form.session().engine().FormKeyDown(kVkDraw);
        for (int tick = 0; tick < 40; ++tick) form.session().engine().Timer1Timer();
        CoreShareOver(0.5);
        // What the X server shows, as the window's painting left it on the screen (X11 only).
        const QPixmap shown = form.screen()->grabWindow(form.winId());
        return shown.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }

    const double seconds = argc >= 2 ? std::atof(argv[1]) : 10.0;
    const int rounds = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 1;
    std::vector<ProcessorTime> aimings, sways, ticks;
    for (int round = 0; round < rounds; ++round) {
        form.session().engine().SetTimerRunning(true);
        aimings.push_back(AimFor(form, seconds));
        form.session().letGoOfKeys();
        sways.push_back(CoreShareOver(seconds));
        form.session().engine().SetTimerRunning(false);
        ticks.push_back(BareTickFor(seconds));
    }
    const ProcessorTime idle = CoreShareOver(seconds);
    const ProcessorTime aiming = MedianRound(aimings);
    const ProcessorTime sway = MedianRound(sways);
    const ProcessorTime tick = MedianRound(ticks);
    std::printf("%s at %d %%, over %.0f s each, median of %d rounds:\n",
                QGuiApplication::platformName().toUtf8().constData(), scale, seconds, rounds);
    Report("aiming", aiming);
    Report("sway", sway);
    Report("idle", idle);
    Report("tick", tick);
    std::printf("aiming %.2f x and sway %.2f x the bare 10 ms tick\n", Total(aiming) / Total(tick),
                Total(sway) / Total(tick));
    return 0;
}
