// How steady is the aiming clock? Every step of the sway, the keys and the draw is per tick, so
// the game runs slow exactly by the share of ticks the 10 ms timer fails to deliver. Also how
// much a tick of the engine costs, against two draws of the game's generator in the same run.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "rules/match/Aiming.h"
#include "rules/match/MatchEngine.h"

namespace {

using Clock = std::chrono::steady_clock;

double NanosecondsPer(int count, const auto& work) {
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) work(i);
    const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
    return spent.count() / count;
}

void MeasureTimer() {
    constexpr int kSeconds = 10;
    constexpr int kIntervalMs = 10;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(kIntervalMs);
    long ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    QElapsedTimer clock;
    QTimer::singleShot(kSeconds * 1000, Qt::PreciseTimer, [] { QCoreApplication::quit(); });
    clock.start();
    timer.start();
    QCoreApplication::exec();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const double nominal = seconds * 1000.0 / kIntervalMs;
    std::printf("timer: %ld ticks in %.3f s, nominal %.0f\n", ticks, seconds, nominal);
    std::printf("timer: delivered/nominal %.4f\n", static_cast<double>(ticks) / nominal);
}

void MeasureTick() {
    constexpr int kTicks = 2'000'000;
    SeededRandom baseRandom(1);
    volatile int32_t sink = 0;
    const double baseline = NanosecondsPer(
        kTicks, [&](int) { sink = sink + baseRandom.random(5) + baseRandom.random(5); });

    MatchState state;
    state.Difficulty = kDifficultyProfessional;
    state.Distance = 50;
    state.Unsteadiness = kNewArrowUnsteadiness;
    NullMatchScreen screen;
    SeededRandom random(1);
    SilentRangeSounds sounds;
    MatchEngine engine(state, screen, random, sounds);
    // A player drawing for 60 ticks and letting down for 20, over and over, never releasing.
    const double tick = NanosecondsPer(kTicks, [&](int i) {
        if (i % 80 == 0) engine.FormKeyDown(kVkDraw);
        if (i % 80 == 60) engine.FormKeyUp(kVkDraw);
        engine.Timer1Timer();
    });
    std::printf("tick: %.1f ns, two random draws: %.1f ns\n", tick, baseline);
    std::printf("tick: cost/baseline %.2f\n", tick / baseline);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    MeasureTick();
    MeasureTimer();
    return 0;
}
