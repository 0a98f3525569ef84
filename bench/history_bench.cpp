// The match history at the size of a keen player's: 1,000 full matches, 144,000 arrows with
// their aiming and the point to go on from after every end. How long one end takes to store, how
// big the file grows (against the same history with the aiming in the plain 16-bit form older
// histories kept, both compacted), and how long the statistics window takes to open and show
// the archer, against opening it on no history.
//
//     history_bench [matches] [folder]
//
// With a folder the generated "historie.db" is left there; otherwise a temporary one is used.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "platform/history/HistoryReader.h"
#include "platform/history/Sqlite.h"
#include "platform/history/SqliteMatchLog.h"
#include "rules/history/Handicaps.h"
#include "rules/history/PathBlob.h"
#include "rules/match/Ends.h"
#include "rules/match/ResumePoint.h"
#include "rules/match/Rounds.h"
#include "support/MemoryFileStore.h"
#include "windows/StatisticsWindow.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One archer improving over the years, in a field of 29 computer archers.
class HistoryGenerator {
  public:
    explicit HistoryGenerator(SqliteMatchLog& log) : log_(log) {}

    std::vector<double> play(int matches) {
        std::vector<double> endWrites;
        for (int match = 0; match < matches; ++match) {
            day_ = match;
            const Round& round = FullRound(match % 2 == 0 ? Division::Men : Division::Women);
            const double skill = 0.55 + 0.3 * match / std::max(1, matches);
            log_.matchStarted(
                {.roundType = round.type, .difficulty = 1, .sight = 1, .competitors = 30});
            ResumePoint point = fieldOf(round);
            for (const DistanceStage& stage : round.stages()) {
                const int32_t distance = stage.metres();
                int32_t total = 0;
                for (int32_t end = 1; end <= stage.ends; ++end) {
                    for (int32_t arrow = 1; arrow <= stage.arrowsPerEnd; ++arrow) {
                        LoggedArrow a = shot(distance, end, arrow, skill);
                        total += a.score;
                        log_.arrowShot(std::move(a));
                    }
                    point.distance = distance;
                    point.endNumber = end + 1;
                    point.scores[0].*stage.scoreField = total;
                    const std::string bytes = EncodeResumePoint(point);
                    const auto start = Clock::now();
                    log_.endClosed(bytes);
                    endWrites.push_back(MillisecondsSince(start));
                }
                std::vector<LoggedResult> field{{.archer = Cp1250Text{"Jan Nov\xe1k"},
                                                 .club = Cp1250Text{"SK Praha"},
                                                 .human = true,
                                                 .score = total,
                                                 .rank = 1}};
                for (int c = 2; c <= 30; ++c) {
                    field.push_back({.archer = Cp1250Text{"Po\xe8\xedta\xe8 " + std::to_string(c)},
                                     .score = 300 - c,
                                     .rank = c});
                }
                log_.distanceEnded(distance, field, {});
            }
            log_.matchFinished();
        }
        return endWrites;
    }

    // Match n was shot on day n of the generated years.
    std::string now() const {
        const int year = 2020 + day_ / 336, month = 1 + day_ % 336 / 28, day = 1 + day_ % 28;
        char text[40];
        std::snprintf(text, sizeof text, "%04d-%02d-%02dT18:%02d:00+01:00", year, month, day,
                      seconds_++ % 60);
        return text;
    }

  private:
    // The match's field as the point to go on from holds it after a distance: the archer, 29
    // computers and the free slots.
    static ResumePoint fieldOf(const Round& round) {
        ResumePoint point{.roundType = round.type, .difficulty = 1, .sight = 1};
        point.competitors[0] = {"Jan Nov\xe1k", "SK Praha", {}, false};
        for (std::size_t c = 1; c < 30; ++c) {
            point.competitors[c] = {
                "Po\xe8\xedta\xe8 " + std::to_string(c + 1), "Klub", {60, 65, 70, 75}, true};
            point.scores[c] = {.Tens = 20, .Nines = 30, .Misses = 2, .Score90 = 280};
        }
        // The free slots score too once a distance is over: all misses.
        for (std::size_t c = 30; c < point.scores.size(); ++c) point.scores[c].Misses = 36;
        return point;
    }

    LoggedArrow shot(int32_t distance, int32_t end, int32_t arrow, double skill) {
        std::normal_distribution<double> score(10 * skill, 1.6);
        std::uniform_int_distribution<int> ticks(60, 100), step(-2, 2);
        LoggedArrow a{.archer = Cp1250Text{"Jan Nov\xe1k"},
                      .club = Cp1250Text{"SK Praha"},
                      .distance = distance,
                      .endNo = end,
                      .arrowNo = arrow,
                      .factor = 100};
        a.score = std::clamp(static_cast<int32_t>(std::lround(score(random_))), 0, 10);
        a.ticks = ticks(random_);
        Point sight{180, 180};
        for (int32_t t = 0; t <= a.ticks; ++t) {
            sight.x += step(random_) - 1;
            sight.y += step(random_) - 1;
            a.path.push_back(sight);
            a.draw.push_back(std::max(-250, -5 * (a.ticks - t)));
        }
        a.hit = {sight.x + 16, sight.y + 16};
        return a;
    }

    SqliteMatchLog& log_;
    std::mt19937 random_{1999};
    int day_ = 0;
    mutable int seconds_ = 0;
};

// The aiming as histories before the compact form kept it: 16-bit values, x and y per tick.
std::string PlainBlob(const std::vector<int32_t>& values) {
    std::string out;
    for (int32_t value : values) {
        const auto bits = static_cast<uint16_t>(static_cast<int16_t>(value));
        out.push_back(static_cast<char>(bits & 0xFF));
        out.push_back(static_cast<char>(bits >> 8));
    }
    return out;
}

template <bool Path>
void ToPlainBlob(sqlite3_context* context, int, sqlite3_value** arguments) {
    const auto* bytes = static_cast<const char*>(sqlite3_value_blob(arguments[0]));
    const std::string_view blob(bytes ? bytes : "",
                                static_cast<std::size_t>(sqlite3_value_bytes(arguments[0])));
    std::vector<int32_t> values;
    if constexpr (Path) {
        for (const Point& p : DecodePath(blob).points) values.insert(values.end(), {p.x, p.y});
    } else {
        values = DecodeDraw(blob).lefts;
    }
    const std::string plain = PlainBlob(values);
    sqlite3_result_blob64(context, plain.data(), plain.size(), SQLITE_TRANSIENT);
}

// The file's size once compacted, in MB, with the aiming kept in the plain form when `plain`.
double CompactedSize(const std::string& path, const std::string& copy, bool plain) {
    std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing);
    SqliteConnection db;
    db.open(copy, SQLITE_OPEN_READWRITE);
    if (plain) {
        sqlite3_create_function_v2(db.get(), "plain_path", 1, SQLITE_UTF8, nullptr,
                                   ToPlainBlob<true>, nullptr, nullptr, nullptr);
        sqlite3_create_function_v2(db.get(), "plain_draw", 1, SQLITE_UTF8, nullptr,
                                   ToPlainBlob<false>, nullptr, nullptr, nullptr);
        db.exec("UPDATE arrows SET path = plain_path(path), draw = plain_draw(draw)");
    }
    db.exec("PRAGMA journal_mode = DELETE; VACUUM;");
    return static_cast<double>(std::filesystem::file_size(copy)) / (1024 * 1024);
}

// Median of a few ratings of every shoot in the history and of the current handicap: what the
// handicaps add to the window's opening, which reads the matches anyway.
double RateShoots(const std::string& path) {
    History history;
    HistoryReader(path).readMatches(history);
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        const HandicapProgress progress =
            HandicapProgressOf(history, {u8"Jan Novák", u8"SK Praha"});
        times.push_back(MillisecondsSince(start));
        if (!progress.current) std::printf("no handicap in the generated history\n");
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Median of a few openings of the window, from nothing to the archer shown.
double OpenWindow(const std::string& path) {
    MemoryFileStore files;
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        StatisticsWindow window(path, files);
        window.loadHistory();
        window.show();
        QApplication::processEvents();
        times.push_back(MillisecondsSince(start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int matches = argc > 1 ? std::atoi(argv[1]) : 1000;
    QTemporaryDir temporary;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path();
    QDir().mkpath(folder);
    const std::string path = QDir(folder).filePath(QStringLiteral("historie.db")).toStdString();
    std::filesystem::remove(path);

    const double empty = OpenWindow(path);

    std::vector<double> ends;
    {
        HistoryGenerator* generator = nullptr;
        SqliteMatchLog log(path, [&] { return generator->now(); });
        HistoryGenerator g(log);
        generator = &g;
        ends = g.play(matches);
    }
    std::sort(ends.begin(), ends.end());
    double sum = 0;
    for (double e : ends) sum += e;
    const auto over = std::count_if(ends.begin(), ends.end(), [](double e) { return e > 5; });
    const double size = static_cast<double>(std::filesystem::file_size(path)) / (1024 * 1024);
    const std::string copy = path + ".copy";
    const double compact = CompactedSize(path, copy, false);
    const double plain = CompactedSize(path, copy, true);
    std::filesystem::remove(copy);
    const double full = OpenWindow(path);
    const double handicaps = RateShoots(path);

    std::printf("history: %d matches, %zu ends\n", matches, ends.size());
    std::printf(
        "storing one end: mean %.3f ms, 99th percentile %.3f ms, worst %.3f ms "
        "(budget 5 ms; %td ends over it)\n",
        sum / static_cast<double>(ends.size()), ends[ends.size() * 99 / 100], ends.back(), over);
    std::printf("database file: %.1f MB as written (budget 50 MB)\n", size);
    std::printf(
        "compacted: %.1f MB; the same history with the aiming in the plain 16-bit form %.1f MB, "
        "ratio %.3f\n",
        compact, plain, compact / plain);
    std::printf(
        "statistics window, open and show the archer: empty history %.1f ms, "
        "this history %.1f ms, ratio %.1f (budget 300 ms)\n",
        empty, full, full / empty);
    std::printf(
        "of it, the handicap of every match and the current one: %.1f ms, ratio to the whole "
        "%.3f\n",
        handicaps, handicaps / full);
    return 0;
}
