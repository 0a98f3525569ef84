#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz/FuzzTarget.h"
#include "platform/history/HistoryReader.h"
#include "rules/history/ShotReplay.h"
#include "rules/history/Statistics.h"
#include "support/HistoryFiles.h"

namespace {

// The reader works on a file: each input is written to one of this process's own, in TMPDIR
// (a memory file system there spares every execution the disk's journal).
const std::string& scratchFile() {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("vexa-history-fuzz-" + std::to_string(getpid()) + ".db"))
                                        .string();
    return path;
}

}  // namespace

// Whatever lies in "historie.db", reading it for the statistics, the replay and the match to go
// on with must neither crash nor change a byte of it.
VEXA_FUZZ_TARGET(history_reader) {
    const std::string& path = scratchFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    {
        HistoryReader reader(path);
        History history;
        std::vector<KnownArcher> archers;
        if (reader.readMatches(history) && reader.readArchers(archers)) {
            for (const KnownArcher& known : archers) {
                history.arrows.clear();
                if (!reader.readArrows(known.key, true, history.arrows)) break;
                for (const ArrowRecord& arrow : history.arrows) {
                    const ShotReplay replay = BuildReplay(arrow);
                    FuzzCheck(replay.playable() || replay.sight.empty(), "no frames when refused");
                }
                ComputeStatistics(history, known.key, 0);
            }
        }
        ResumableMatch unfinished;
        if (reader.readResumable(unfinished)) {
            if (const auto point = DecodeResumePoint(unfinished.point))
                AgreesWithArrows(*point, unfinished.tallies);
        }
    }
    FuzzCheck(ReadBytes(path) == bytes, "the history file is never changed");
    std::remove(path.c_str());
    std::remove((path + "-wal").c_str());
    std::remove((path + "-shm").c_str());
}
