// What the wind costs while aiming: the same player (AimFor) aiming in calm and in the strongest
// wind with its flag and label beside the target changing as it gusts, in alternating rounds of
// one run, so that both meet the same machine. Run on a display server (xvfb-run -a).
//
//     wind_bench [--scale PERCENT] [SECONDS]    share of one core in calm and in wind, and the
//                                               ratio of wind to calm over all rounds
//     wind_bench [--scale PERCENT] SECONDS calm|wind
//                                               one round of the one after a round in wind, for
//                                               counting instructions (bench/wind_instructions.sh)
#include <QApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "AimingRig.h"
#include "platform/WindowScale.h"
#include "support/AimingWindow.h"
#include "windows/MainWindow.h"
#include "windows/PixelImage.h"
#include "windows/X11Images.h"

namespace {

constexpr int kAlternations = 12;

// The wind blows from the next arrow on: the arrow aimed is let go and the next one nocked.
void nockInWind(MainWindow& form, WindLevel level) {
    MatchEngine& engine = form.session().engine();
    engine.SetWindLevel(level);
    engine.FormKeyDown(kVkShoot);
    engine.Timer1Timer();
    engine.FormKeyUp(kVkShoot);
    form.session().NextarrowClick();
}

double total(ProcessorTime t) {
    return t.user + t.system;
}

}  // namespace

int main(int argc, char** argv) {
    const int32_t scale = TakeScaleOption(argc, argv);
    UsePlainX11Images();
    ApplyWindowScale(scale);
    QApplication app(argc, argv);
    KeepPlainX11ImagesToX11();
    QDir::setCurrent(QStringLiteral(VEXA_RUN_DIR));
    AimingWindow window;
    MainWindow& form = window.form;
    CoreShareOver(1.0);  // let the window settle on the screen
    window.nockFirstArrow();

    const double seconds = argc >= 2 ? std::atof(argv[1]) : 5.0;
    if (argc == 3) {
        // The flag's pictures are drawn when the wind first shows, before either is counted.
        nockInWind(form, WindLevel::Strong);
        CoreShareOver(1.0);
        const bool inWind = std::strcmp(argv[2], "wind") == 0;
        nockInWind(form, inWind ? WindLevel::Strong : WindLevel::Calm);
        Report(inWind ? "wind" : "calm", AimFor(form, seconds));
        return 0;
    }
    double calm = 0;
    double wind = 0;
    std::vector<double> pairs;  // wind against the calm just before it, round by round
    for (int round = 0; round < kAlternations; ++round) {
        nockInWind(form, WindLevel::Calm);
        const ProcessorTime inCalm = AimFor(form, seconds);
        form.session().letGoOfKeys();
        nockInWind(form, WindLevel::Strong);
        const ProcessorTime inWind = AimFor(form, seconds);
        form.session().letGoOfKeys();
        if (!form.board->windShown()) {
            std::fprintf(stderr, "the flag is not shown in wind\n");
            return 1;
        }
        Report("calm", inCalm);
        Report("wind", inWind);
        calm += total(inCalm);
        wind += total(inWind);
        pairs.push_back(total(inWind) / total(inCalm));
    }
    std::sort(pairs.begin(), pairs.end());
    // The median round as well: on a shared machine one round in six can cost a third more.
    std::printf("%s at %d %%, %d rounds of %.0f s each: wind %.3f x calm, median round %.3f x\n",
                QGuiApplication::platformName().toUtf8().constData(), scale, kAlternations, seconds,
                wind / calm, (pairs[kAlternations / 2 - 1] + pairs[kAlternations / 2]) / 2);
    return 0;
}
