#pragma once

#include <cstdint>
#include <vector>

#include "rules/formats/EncodedText.h"

#include "rules/history/HistoryRecords.h"

// What the statistics read: every match, every result row, and the arrows of the archers
// loaded (often one archer only).
struct History {
    std::vector<MatchRecord> matches;  // in the order they were started
    std::vector<ResultRecord> results;
    std::vector<ArrowRecord> arrows;
    std::vector<BoutRecord> bouts;
};

// A human archer as the history knows him: the name and the club, both UTF-8.
struct ArcherKey {
    Utf8Text name;
    Utf8Text club;
    friend bool operator==(const ArcherKey&, const ArcherKey&) = default;
    friend auto operator<=>(const ArcherKey&, const ArcherKey&) = default;
};

// A human archer of the history and the last match or practice session he shot in; matches are
// numbered in the order they were started.
struct KnownArcher {
    ArcherKey key;
    int64_t lastMatchId = 0;
    friend bool operator==(const KnownArcher&, const KnownArcher&) = default;
};
