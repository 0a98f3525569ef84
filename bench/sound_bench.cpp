// What the range's sounds cost while the player shoots: the game's processor time (its sound
// threads included) shooting a timed practice with every sound played, against the same shooting
// with the sounds silent, alternated in one run. Needs a sound device, or every sound stays
// silent and the two cost the same: bench/sound_aiming.sh starts a sound server with a null
// output and an X server for it.
//
//     sound_bench [SECONDS] [ROUNDS] [SECONDS_AN_ARROW]
//
// An arrow every 0.9 s unless told: the range is then never quiet for long. A match archer takes
// several seconds over each arrow, most of them aiming in silence.
#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numeric>
#include <vector>

#include "AimingRig.h"
#include "platform/PulseRangeSounds.h"
#include "platform/QtRangeSounds.h"
#include "support/AimingWindow.h"
#include "windows/X11Images.h"

namespace {

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The game's sounds, or none, as the round asks; and the main thread's time spent asking.
class SwitchedSounds final : public RangeSounds {
  public:
    RangeSounds* to = nullptr;
    double askingSeconds = 0;
    void play(RangeSound sound) override {
        if (to) timed([&] { to->play(sound); });
    }
    void playLater(RangeSound sound, int32_t afterMs) override {
        if (to) timed([&] { to->playLater(sound, afterMs); });
    }
    void setVolume(int32_t percent) override {
        if (to) to->setVolume(percent);
    }

  private:
    template <typename Ask>
    void timed(Ask ask) {
        const double start = ThreadSeconds();
        ask();
        askingSeconds += ThreadSeconds() - start;
    }
};

// A practice at 30 m with 3 arrows an end and a clock, so that every sound comes: the player
// nocks and draws (the clicker), aims until 300 ms before the next arrow is due, lets go (the
// release and the strike), waits 200 ms and nocks again; each end is whistled. Never long enough
// to finish the session.
ProcessorTime ShootFor(MainWindow& form, double seconds, int32_t stepsAnArrow) {
    GameSession& session = form.session();
    session.startPractice(
        {.archer = "Jan", .distance = 30, .ends = 12, .timed = true, .secondsPerEnd = 600},
        Utf8Text{});
    QTimer player;
    player.setInterval(100);
    QObject::connect(&player, &QTimer::timeout, [&session, stepsAnArrow, step = 0]() mutable {
        MatchEngine& engine = session.engine();
        const int32_t now = step++ % stepsAnArrow;
        if (now == 0) {
            session.NextarrowClick();
            engine.FormKeyDown(kVkDraw);
        } else if (now == stepsAnArrow - 3) {
            engine.FormKeyDown(kVkShoot);
        } else if (now == stepsAnArrow - 2) {
            engine.FormKeyUp(kVkShoot);
            engine.FormKeyUp(kVkDraw);
        }
    });
    player.start();
    return CoreShareOver(seconds);
}

// Processor time so far of every thread of the game but the main one: the sound server's client
// and Qt Multimedia's output, where they run, and Qt's own helpers, which are idle here.
double OtherThreadsSeconds() {
    double seconds = 0;
    const QString mainThread = QString::number(QCoreApplication::applicationPid());
    for (const QString& thread :
         QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (thread == mainThread) continue;
        QFile stat(QStringLiteral("/proc/self/task/%1/schedstat").arg(thread));
        if (stat.open(QIODevice::ReadOnly))
            seconds += stat.readLine().split(' ').value(0).toDouble() / 1e9;
    }
    return seconds;
}

double Sum(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0);
}

}  // namespace

int main(int argc, char** argv) {
    UsePlainX11Images();  // as the game does
    QApplication app(argc, argv);
    KeepPlainX11ImagesToX11();
    QDir::setCurrent(QStringLiteral(VEXA_RUN_DIR));
    const double seconds = argc >= 2 ? std::atof(argv[1]) : 10.0;
    const int rounds = argc >= 3 ? std::atoi(argv[2]) : 3;
    // In the player's 100 ms steps; the shortest leaves a step to draw.
    const auto stepsAnArrow = std::max<int32_t>(
        4, static_cast<int32_t>(std::lround((argc >= 4 ? std::atof(argv[3]) : 0.9) * 10)));
    if (QMediaDevices::audioOutputs().isEmpty()) {
        std::printf("no sound device: the sounds would cost nothing\n");
        return 1;
    }
    QtRangeSounds qtSounds;
    PulseRangeSounds sounds(qtSounds);  // as the game plays them
    SwitchedSounds switched;
    AimingWindow window(&switched);
    CoreShareOver(1.0);  // let the window settle on the screen
    switched.to = &sounds;
    ShootFor(window.form, 2.0, stepsAnArrow);  // every sound loaded once, as in a game

    std::vector<double> silent, heard;
    double othersSilent = 0, othersHeard = 0;  // seconds
    switched.askingSeconds = 0;
    for (int round = 0; round < rounds; ++round) {
        switched.to = nullptr;
        double before = OtherThreadsSeconds();
        silent.push_back(Total(ShootFor(window.form, seconds, stepsAnArrow)));
        othersSilent += OtherThreadsSeconds() - before;
        switched.to = &sounds;
        before = OtherThreadsSeconds();
        heard.push_back(Total(ShootFor(window.form, seconds, stepsAnArrow)));
        othersHeard += OtherThreadsSeconds() - before;
        std::printf("round %d: silent %6.3f %%, with sounds %6.3f %% of a core\n", round + 1,
                    silent.back() * 100, heard.back() * 100);
    }
    std::printf(
        "median over %d rounds of %.0f s, an arrow every %.1f s: silent %.3f %%, with "
        "sounds %.3f %%\n",
        rounds, seconds, stepsAnArrow / 10.0, Median(silent) * 100, Median(heard) * 100);
    std::printf("sounds/silent %.3f (median), %.3f (all rounds)\n", Median(heard) / Median(silent),
                Sum(heard) / Sum(silent));
    // What the sounds' own threads add, apart from the main thread's time, which varies most.
    const double aimingSeconds = rounds * seconds;
    std::printf(
        "the other threads: silent %.3f %%, with sounds %.3f %%; the main thread asking for the "
        "sounds %.3f %% of a core\n",
        othersSilent / aimingSeconds * 100, othersHeard / aimingSeconds * 100,
        switched.askingSeconds / aimingSeconds * 100);
    return 0;
}
