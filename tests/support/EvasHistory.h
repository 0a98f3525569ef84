#pragma once

#include <cstdint>

#include "rules/history/History.h"

// Eva of club SK in the history tests: her matches and her rows in them.

inline ResultRecord EvaResult(int64_t match, int32_t distance, int32_t score) {
    return ResultRecord{match, u8"Eva", u8"SK", true, distance, score};
}

inline ArrowRecord EvaArrow(int64_t match, int32_t distance, int32_t end, int32_t no, int32_t score,
                            bool shot = true) {
    return ArrowRecord{.matchId = match,
                       .archer = u8"Eva",
                       .club = u8"SK",
                       .distance = distance,
                       .endNo = end,
                       .arrowNo = no,
                       .score = score,
                       .shot = shot};
}

// Her first four matches, on her own in the history; a test adds the other archers and more:
//   match 1 (short men's round, 1, finished): 50 m 300, 30 m 320
//   match 2 (short men's round, never finished): 50 m 330 only
//   match 3 (full men's round, 3, finished): 90 m 250, 70 m 280, 50 m 300, 30 m 330
//   match 4 (short men's round, finished): 50 m 300, 30 m 340
inline History EvasFourMatches() {
    History h;
    h.matches = {{1, "2026-01-01T10:00:00+01:00", "2026-01-01T11:00:00+01:00", 1},
                 {2, "2026-01-02T10:00:00+01:00", std::nullopt, 1},
                 {3, "2026-01-03T10:00:00+01:00", "2026-01-03T12:00:00+01:00", 3},
                 {4, "2026-01-04T10:00:00+01:00", "2026-01-04T11:00:00+01:00", 1}};
    h.results = {EvaResult(1, 50, 300), EvaResult(1, 30, 320), EvaResult(2, 50, 330),
                 EvaResult(3, 90, 250), EvaResult(3, 70, 280), EvaResult(3, 50, 300),
                 EvaResult(3, 30, 330), EvaResult(4, 50, 300), EvaResult(4, 30, 340)};
    return h;
}
