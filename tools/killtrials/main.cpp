// Kill trials: saves each kind of file the game writes over and over in a child process, kills
// the child with SIGKILL at a random moment, and checks that the file left behind is exactly one
// of the two contents being saved (for the match history: a sound database of whole ends, each
// unfinished match with the point to go on from of its last one). A save must never leave a torn
// file.
//
//     killtrials N [SEED]   N trials per kind; prints the seed of the kill moments (drawn from
//                           the machine unless given, so that a failing run can be repeated),
//                           then per kind the trials, the kills that fell inside a save, and the
//                           torn files; fails on any torn file, and on a kind where no kill fell
//                           inside a save, since its trials then showed nothing
#include <signal.h>
#include <sqlite3.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/QtFileStore.h"
#include "platform/history/SqliteMatchLog.h"
#include "rules/competitors/CompetitorFile.h"
#include "rules/match/Rounds.h"
#include "rules/results/Listing.h"
#include "rules/results/Rekordy.h"
#include "rules/results/Results.h"
#include "rules/settings/Configuration.h"

namespace {

// One kind of file: how a save writes each of its two versions, and whether what a killed save
// left in the folder is whole.
struct TrialKind {
    const char* name;
    std::function<void(const QString& folder, int version)> save;
    std::function<bool(const QString& folder)> whole;
};

// A file the game replaces whole through its file store.
TrialKind storedFile(const char* fileName, std::array<std::string, 2> versions) {
    auto path = [fileName](const QString& folder) {
        return QDir(folder).filePath(QString::fromLatin1(fileName)).toStdString();
    };
    return {fileName,
            [=](const QString& folder, int version) {
                QtFileStore store;
                store.write(path(folder), versions[static_cast<std::size_t>(version)]);
            },
            [=](const QString& folder) {
                QtFileStore store;
                const auto bytes = store.read(path(folder), 1 << 20);
                return bytes && (*bytes == versions[0] || *bytes == versions[1]);
            }};
}

CompetitorTable field(int size, const char* club) {
    CompetitorTable table;
    for (int i = 0; i < size; ++i) {
        table[static_cast<std::size_t>(i)] = {
            "Lukostrelec " + std::to_string(i), club, {50 + i % 40, 60, 70, 80}, true};
    }
    return table;
}

RecordTable records(uint32_t base) {
    RecordTable table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = {"Rekordman " + std::to_string(i), base + static_cast<uint32_t>(i)};
    }
    return table;
}

std::string exportText(int competitors, int32_t roundType) {
    const Round round = *findRound(roundType);
    std::vector<std::string> lines{ListingHeader(round), " "};
    const CompetitorTable table = field(competitors, "Klub");
    for (int i = 0; i < competitors; ++i) {
        lines.push_back(ListingLine(i + 1, table[static_cast<std::size_t>(i)],
                                    ScoreRecord{.Tens = i, .Score30 = 300 + i}, round));
    }
    return ExportText(lines);
}

// The match history: each save is a short match of four ends of six arrows, with its aiming and
// with the point to go on from after each end, so a kill may fall inside an end's transaction or
// in the copy of the log into the file after the match. Whole means SQLite finds the file sound,
// it holds whole ends only, and each unfinished match keeps the point of its last stored end
// (none before its first), each finished one none: an end and its point are stored together.
TrialKind historyFile() {
    constexpr int kArrowsPerEnd = 6;
    constexpr int kEnds = 4;
    auto path = [](const QString& folder) {
        return QDir(folder).filePath(QStringLiteral("historie.db")).toStdString();
    };
    return {"historie.db",
            [=](const QString& folder, int version) {
                SqliteMatchLog log(path(folder));
                log.matchStarted({.roundType = 1 + version, .competitors = 1});
                const std::vector<Point> aim(120, Point{112, 112});
                for (int32_t end = 1; end <= kEnds; ++end) {
                    for (int32_t arrow = 1; arrow <= kArrowsPerEnd; ++arrow) {
                        log.arrowShot({.archer = Cp1250Text{"Lukostrelec"},
                                       .distance = 50,
                                       .endNo = end,
                                       .arrowNo = arrow,
                                       .score = 9,
                                       .ticks = 119,
                                       .path = aim,
                                       .draw = std::vector<int32_t>(aim.size(), -60)});
                    }
                    log.endClosed("after end " + std::to_string(end));
                }
                log.distanceEnded(
                    50, {{.archer = Cp1250Text{"Lukostrelec"}, .human = true, .score = 216}}, {});
                log.matchFinished();
            },
            [=](const QString& folder) {
                sqlite3* db = nullptr;
                bool sound = sqlite3_open(path(folder).c_str(), &db) == SQLITE_OK;
                auto firstText = [db](const std::string& sql) {
                    sqlite3_stmt* statement = nullptr;
                    std::string text = "?";
                    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
                        sqlite3_step(statement) == SQLITE_ROW) {
                        const auto* value = sqlite3_column_text(statement, 0);
                        text = value ? reinterpret_cast<const char*>(value) : "";
                    }
                    sqlite3_finalize(statement);
                    return text;
                };
                sound = sound && firstText("PRAGMA integrity_check") == "ok" &&
                        firstText(
                            "SELECT count(*) FROM (SELECT 1 FROM arrows GROUP BY match_id, "
                            "distance, end_no HAVING count(*) <> " +
                            std::to_string(kArrowsPerEnd) + ")") == "0" &&
                        firstText(
                            "SELECT count(*) FROM matches m WHERE coalesce((SELECT CAST(point AS "
                            "TEXT) FROM resume_points WHERE match_id = m.id), '') <> CASE WHEN "
                            "m.finished IS NOT NULL THEN '' ELSE coalesce((SELECT 'after end ' "
                            "|| max(end_no) FROM arrows WHERE match_id = m.id), '') END") == "0";
                sqlite3_close(db);  // the last connection: a killed write's log is folded in
                return sound;
            }};
}

// Every kind of file the game writes; one more kind is one more entry.
std::vector<TrialKind> trialKinds() {
    return {
        storedFile("Brantel2.ini",
                   {WriteConfiguration(120, 80, 1), WriteConfiguration(-3000, 12345, 3)}),
        storedFile("muzi.luk", {encodeCompetitorFile(field(150, "SK Praha")),
                                encodeCompetitorFile(field(7, "TJ Brno"))}),
        storedFile("records.dat", {EncodeRecords(records(300)), EncodeRecords(records(1000))}),
        storedFile("vysledky.txt", {exportText(150, 1), exportText(3, 3)}),
        historyFile(),
    };
}

// Shared between the saving child and the parent, so that the parent knows where the kill fell.
struct SaveProgress {
    std::atomic<int> inSave{0};
};

// Saves the two versions in turn until it is killed.
[[noreturn]] void saveForEver(const TrialKind& kind, const QString& folder,
                              SaveProgress& progress) {
    for (int version = 1;; version = 1 - version) {
        progress.inSave = 1;
        kind.save(folder, version);
        progress.inSave = 0;
    }
}

// Removes what a killed save may leave beside the file: its unfinished temporary copy, where
// the system has no nameless temporary files.
void clearLeftovers(const QString& folder, const QStringList& keep) {
    QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files)) {
        if (!keep.contains(name)) dir.remove(name);
    }
}

struct Tally {
    int trials = 0;
    int midSave = 0;  // kills that fell inside a save
    int torn = 0;
};

Tally runTrials(const TrialKind& kind, int trials, std::mt19937& random) {
    QTemporaryDir dir;
    const QString folder = dir.path();
    kind.save(folder, 0);
    const QStringList keep = QDir(folder).entryList(QDir::Files);
    // The first saves take a few milliseconds; a kill may fall before, within or between them.
    std::uniform_int_distribution<int> delayMicros(0, 20000);
    void* shared = mmap(nullptr, sizeof(SaveProgress), PROT_READ | PROT_WRITE,
                        MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) std::exit(2);
    auto* progress = new (shared) SaveProgress;
    Tally tally;
    for (int trial = 0; trial < trials; ++trial) {
        progress->inSave = 0;
        const pid_t child = fork();
        if (child < 0) std::exit(2);
        if (child == 0) saveForEver(kind, folder, *progress);
        usleep(static_cast<useconds_t>(delayMicros(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ++tally.trials;
        if (progress->inSave) ++tally.midSave;
        if (!kind.whole(folder)) {
            ++tally.torn;
            kind.save(folder, 0);
        }
        clearLeftovers(folder, keep);
    }
    munmap(shared, sizeof(SaveProgress));
    return tally;
}

}  // namespace

int main(int argc, char** argv) {
    const int trials = argc == 2 || argc == 3 ? std::atoi(argv[1]) : 0;
    char* seedEnd = nullptr;
    const unsigned long seed =
        argc == 3 ? std::strtoul(argv[2], &seedEnd, 10) : std::random_device{}();
    if (trials <= 0 || (argc == 3 && (seedEnd == argv[2] || *seedEnd != '\0'))) {
        std::fprintf(stderr, "usage: %s TRIALS_PER_KIND [SEED]\n", argv[0]);
        return 2;
    }
    std::printf("seed %lu\n", seed);
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    bool failed = false;
    std::printf("%-14s %8s %9s %6s\n", "kind", "trials", "mid-save", "torn");
    for (const TrialKind& kind : trialKinds()) {
        const Tally tally = runTrials(kind, trials, random);
        std::printf("%-14s %8d %9d %6d%s\n", kind.name, tally.trials, tally.midSave, tally.torn,
                    tally.midSave == 0 ? "  no kill inside a save" : "");
        std::fflush(stdout);
        failed = failed || tally.torn != 0 || tally.midSave == 0;
    }
    return failed ? 1 : 0;
}
