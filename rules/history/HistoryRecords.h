#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "rules/formats/EncodedText.h"

// The match history as plain values, the way the statistics read it. Names and clubs are UTF-8
// here, as the history database keeps them; the sight path and the draw stay in their stored
// bytes (see PathBlob.h) because only a replay needs them, and a damaged one must not stop the
// rest of the history from being read.

struct MatchRecord {
    int64_t id = 0;
    std::string started;                  // ISO 8601 with the local offset
    std::optional<std::string> finished;  // nothing for a match that was never finished
    int32_t roundType = 0;                // 1..4
    int32_t difficulty = 0;
    int32_t sight = 0;
    int32_t competitors = 0;
    bool practice = false;  // a practice session: round type 0, one archer, one distance
    // A bracket shot head to head: round type 0, one human archer, bouts at one distance; his
    // final place once it is over.
    bool matchplay = false;
    std::optional<int32_t> place;
};

// One of a human archer's bouts in a bracket.
struct BoutRecord {
    int64_t matchId = 0;
    Utf8Text archer;
    Utf8Text club;
    bool won = false;
};

struct ArrowRecord {
    int64_t matchId = 0;
    Utf8Text archer;
    Utf8Text club;
    int32_t distance = 0;  // metres
    int32_t endNo = 0;     // 1-based within the distance
    int32_t arrowNo = 0;   // 1 = first shot of the end
    int32_t score = 0;
    int32_t x = 0;  // hit point in target-picture pixels, before any clamping
    int32_t y = 0;
    int32_t factor = 0;
    int32_t ticks = 0;      // from the next-arrow action to the release
    int32_t windSpeed = 0;  // at the release, tenths of m/s; 0 in calm
    int32_t windFrom = 0;   // degrees it blew from, as Wind has them
    std::string pathBlob;   // the sight's top-left at every tick
    std::string drawBlob;   // the drawn arrow's left at every tick; empty when not recorded
    // False for a practice arrow the end clock took: a miss with no hit point and no aim.
    bool shot = true;
};

struct ResultRecord {
    int64_t matchId = 0;
    Utf8Text archer;
    Utf8Text club;
    bool human = false;
    int32_t distance = 0;
    int32_t score = 0;
    int32_t hits = 0;
    int32_t tens = 0;
    int32_t nines = 0;
    int32_t rank = 0;  // place after this distance
};
