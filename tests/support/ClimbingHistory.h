#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "rules/history/Handicaps.h"
#include "rules/match/MatchLog.h"

// Petr of LK Votice, who climbs from no class to Bowman 2nd Class in five shoots of the men's
// rounds. The handicaps are those the scheme's tables give the totals:
//   1 short round, 50 m 158, 30 m 252 (410)                       handicap 60
//   2 practice at 30 m, 36 arrows, 200 (20 sixes, 16 fives)        70
//   3 short round, 50 m 189, 30 m 272 (461)                       55
//   4 full round, 90 m 221, 70 m 265, 50 m 264, 30 m 316 (1066)   40
//   5 full round, 90 m 237, 70 m 276, 50 m 276, 30 m 322 (1111)   37
struct ClimbShoot {
    std::string date;
    int32_t roundType;                                // 0 for the practice session
    std::vector<std::pair<int32_t, int32_t>> scores;  // metres and points
};

inline const std::vector<ClimbShoot> kClimb = {
    {"2026-04-04T10:00:00+02:00", 1, {{50, 158}, {30, 252}}},
    {"2026-04-11T10:00:00+02:00", 0, {{30, 200}}},
    {"2026-04-18T10:00:00+02:00", 1, {{50, 189}, {30, 272}}},
    {"2026-05-02T10:00:00+02:00", 3, {{90, 221}, {70, 265}, {50, 264}, {30, 316}}},
    {"2026-05-16T10:00:00+02:00", 3, {{90, 237}, {70, 276}, {50, 276}, {30, 322}}},
};
inline const ArcherKey kClimber{u8"Petr", u8"LK Votice"};

// The first `count` shoots as the statistics read them from the history, match ids from 1.
inline std::vector<Shoot> ClimbShoots(std::size_t count) {
    std::vector<Shoot> shoots;
    for (std::size_t i = 0; i < count; ++i) {
        Shoot& s = shoots.emplace_back(Shoot{static_cast<int64_t>(i + 1), kClimb[i].date,
                                             kClimb[i].roundType, kClimb[i].roundType == 0});
        for (const auto& [metres, points] : kClimb[i].scores)
            s.distances.push_back({metres, 36, points});
    }
    return shoots;
}

// The first `count` shoots told to a match log as a match tells them; the log's clock is to
// say `now`.
inline void RecordClimb(MatchLog& log, std::string& now, std::size_t count = kClimb.size()) {
    const Cp1250Text name{"Petr"}, club{"LK Votice"};
    for (std::size_t i = 0; i < count; ++i) {
        now = kClimb[i].date;
        const auto [metres, points] = kClimb[i].scores.front();
        log.matchStarted({.roundType = kClimb[i].roundType,
                          .competitors = 1,
                          .practice = kClimb[i].roundType == 0,
                          .practiceDistance = metres});
        for (int32_t arrow = 0; kClimb[i].roundType == 0 && arrow < 36; ++arrow) {
            log.arrowShot({.archer = name,
                           .club = club,
                           .distance = metres,
                           .endNo = arrow / 3 + 1,
                           .arrowNo = arrow % 3 + 1,
                           .score = arrow < points - 5 * 36 ? 6 : 5});
            if (arrow % 3 == 2) log.endClosed({});
        }
        for (const auto& [distance, score] : kClimb[i].scores) {
            if (kClimb[i].roundType != 0)
                log.distanceEnded(
                    distance, {{.archer = name, .club = club, .human = true, .score = score}}, {});
        }
        log.matchFinished();
    }
}
