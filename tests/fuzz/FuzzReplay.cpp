// Replays every seed and every past finding of every target through its decoder, so that a
// decoder change which brings back an old fault fails the ordinary tests.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/FuzzTarget.h"

namespace fs = std::filesystem;

namespace {

// The number of inputs replayed from `folder`; a missing folder holds none.
int replayFolder(const FuzzTarget& target, const fs::path& folder) {
    if (!fs::is_directory(folder)) return 0;
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        target.entry(bytes);
        ++count;
    }
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FUZZ_FOLDER (tests/fuzz)\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    int failures = 0;
    for (const FuzzTarget& target : FuzzTargets()) {
        const int seeds = replayFolder(target, root / target.name);
        const int findings = replayFolder(target, root / "findings" / target.name);
        std::printf("%-16s %4d seeds %4d past findings\n", target.name, seeds, findings);
        // A target without seeds would replay nothing and pass for ever.
        if (seeds == 0) ++failures;
    }
    return failures == 0 && !FuzzTargets().empty() ? 0 : 1;
}
