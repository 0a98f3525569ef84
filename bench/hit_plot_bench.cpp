// How long the hit plot takes to draw all 36 arrows of 1,000 matches of one archer at one
// distance, and a frame of a shot's replay, each against drawing the empty face in the same run.
// Runs in the game folder (the build's run directory when started elsewhere), offscreen unless
// a platform is asked for.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <cstdio>

#include "GeneratedHistory.h"
#include "windows/HitPlotView.h"
#include "windows/ShotReplayView.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsPer(int count, const auto& work) {
    work();  // warm the caches
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) work();
    const std::chrono::duration<double, std::milli> spent = Clock::now() - start;
    return spent.count() / count;
}

void Report(const char* what, double measured, const char* baselineName, double baseline) {
    std::printf("%s: %.3f ms, %s: %.3f ms, ratio %.1f\n", what, measured, baselineName, baseline,
                measured / baseline);
}

void MeasurePlot(const GeneratedHistory& history) {
    HitPlotView view;
    view.resize(800, 600);
    view.setDistance(70);
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    const auto draw = [&] { view.render(&image); };

    view.setMarks({}, {});
    const double empty = MillisecondsPer(50, draw);

    std::vector<PlotMark> marks;
    std::vector<Point> hits;
    for (std::size_t i = 0; i < history.arrows.size(); ++i) {
        const ArrowRecord& a = history.arrows[i];
        marks.push_back({{a.x, a.y},
                         static_cast<int32_t>((a.matchId - 1) * 12 / 1000),
                         static_cast<int32_t>(i)});
        hits.push_back({a.x, a.y});
    }
    std::vector<PlotLegendEntry> legend;
    for (int i = 0; i < 12; ++i) {
        legend.push_back({QStringLiteral("%1").arg(i), QColor::fromHsv(180 + 12 * i, 255, 255)});
    }
    const auto placeStart = Clock::now();
    view.setMarks(marks, legend);
    view.setGroup(AnalyseGroup(hits, 70));
    const std::chrono::duration<double, std::milli> placing = Clock::now() - placeStart;
    const double full = MillisecondsPer(20, draw);
    std::printf("plot: %zu marks\n", marks.size());
    Report("plot of all marks", full, "empty face", empty);
    std::printf("plot: placing the marks and the group once: %.3f ms\n", placing.count());
}

void MeasureReplay(const GeneratedHistory& history) {
    ShotReplayView view;
    view.resize(400, 600);
    const QRectF area(0, 0, 350, 491);
    QImage image(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    const auto draw = [&] {
        QPainter painter(&image);
        view.paintReplay(painter, area);
    };
    view.clear();
    const double empty = MillisecondsPer(500, draw);

    const ArrowRecord& arrow = history.arrows.front();
    view.setArrow(arrow);
    view.pauseClick();
    while (view.shownTick() < view.replay().ticks() * 3 / 4) view.stepClick();
    const double frame = MillisecondsPer(500, draw);
    std::printf("replay: %d ticks, frame at tick %d\n", view.replay().ticks(), view.shownTick());
    Report("replay frame", frame, "empty face", empty);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!QFileInfo::exists(QStringLiteral("70.bmp")))
        QDir::setCurrent(QStringLiteral(VEXA_RUN_DIR));
    const GeneratedHistory history = GenerateHistory(1000, 70, 7);
    MeasurePlot(history);
    MeasureReplay(history);
    return 0;
}
