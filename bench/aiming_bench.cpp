// What aiming costs the game: its own processor time while an arrow is aimed (the 10 ms timer
// sways the sight and moves the drawn arrow), with the player's keys and draws and with the sway
// alone, against the same window standing idle and against a bare 10 ms timer in the same run. Run
// on a display server: the X server of xvfb-run -a, or a Wayland compositor with
// QT_QPA_PLATFORM=wayland (bench/aiming_sizes.sh runs both, at each window size).
//
//     aiming_bench [--scale PERCENT] [SECONDS]    share of one core: aiming, sway, idle, tick
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

    const double seconds = argc == 2 ? std::atof(argv[1]) : 10.0;
    const ProcessorTime aiming = AimFor(form, seconds);
    form.session().letGoOfKeys();
    const ProcessorTime sway = CoreShareOver(seconds);
    form.session().engine().SetTimerRunning(false);
    const ProcessorTime idle = CoreShareOver(seconds);
    const ProcessorTime tick = BareTickFor(seconds);
    std::printf("%s at %d %%, over %.0f s each:\n",
                QGuiApplication::platformName().toUtf8().constData(), scale, seconds);
    Report("aiming", aiming);
    Report("sway", sway);
    Report("idle", idle);
    Report("tick", tick);
    const auto total = [](ProcessorTime t) { return t.user + t.system; };
    std::printf("aiming %.2f x and sway %.2f x the bare 10 ms tick\n", total(aiming) / total(tick),
                total(sway) / total(tick));
    return 0;
}
