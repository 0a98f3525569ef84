#pragma once

// What the aiming benchmarks share: the process's own processor time, the event loop run for a
// while, and a player who draws and lets down without ever releasing.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "rules/match/MatchEngine.h"
#include "session/GameSession.h"
#include "windows/BackdropImage.h"
#include "windows/Board.h"
#include "windows/MainWindow.h"

// The window size the benchmark runs at: `--scale PERCENT` as its first arguments, taken out of
// them so that the rest read as if the option had not been there; 100 without it.
inline int32_t TakeScaleOption(int& argc, char**& argv) {
    if (argc < 3 || std::strcmp(argv[1], "--scale") != 0) return 100;
    const int32_t scale = std::atoi(argv[2]);
    argv[2] = argv[0];
    argc -= 2;
    argv += 2;
    return scale;
}

// Processor time of the process so far: in its own code and in the kernel on its behalf.
struct ProcessorTime {
    double user = 0;
    double system = 0;
};

inline ProcessorTime ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return {seconds(usage.ru_utime), seconds(usage.ru_stime)};
}

// Runs the event loop for `seconds` and returns the share of one core the process used.
inline ProcessorTime CoreShareOver(double seconds) {
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

inline double Total(ProcessorTime share) {
    return share.user + share.system;
}

// The middle one of `values`, the upper middle of an even count.
inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The round whose whole share is the median one, with its own split into user and system time.
inline ProcessorTime MedianRound(std::vector<ProcessorTime> rounds) {
    std::sort(rounds.begin(), rounds.end(),
              [](ProcessorTime a, ProcessorTime b) { return Total(a) < Total(b); });
    return rounds[rounds.size() / 2];
}

inline void Report(const char* phase, ProcessorTime share) {
    std::printf("%-7s %5.2f %% of a core (user %5.2f %%, system %5.2f %%)\n", phase,
                Total(share) * 100, share.user * 100, share.system * 100);
}

// A player drawing for 600 ms and letting down for 200 ms, over and over, never releasing,
// and steering left and right meanwhile, with the keys as the window gets them; the share of a
// core the process used meanwhile. (A profiler can collect this function alone.)
[[gnu::noinline]] inline ProcessorTime AimFor(MainWindow& form, double seconds) {
    QTimer player;
    player.setInterval(200);
    QObject::connect(&player, &QTimer::timeout, [&form, step = 0]() mutable {
        const auto key = [&form](QEvent::Type type, Qt::Key k) {
            QKeyEvent event(type, k, Qt::NoModifier);
            QCoreApplication::sendEvent(form.board->Tercov, &event);
        };
        const Qt::Key steer = step % 8 < 4 ? Qt::Key_Left : Qt::Key_Right;
        if (step % 4 == 0) key(QEvent::KeyPress, Qt::Key_A);
        if (step % 4 == 1) key(QEvent::KeyPress, steer);
        if (step % 4 == 2) key(QEvent::KeyRelease, steer);
        if (step % 4 == 3) key(QEvent::KeyRelease, Qt::Key_A);
        ++step;
    });
    player.start();
    return CoreShareOver(seconds);
}

// The floor any game pays for aiming on a 10 ms tick: the same timer with nothing to do.
inline ProcessorTime BareTickFor(double seconds) {
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [] {});
    tick.start();
    return CoreShareOver(seconds);
}
