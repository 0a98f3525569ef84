#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "rules/history/History.h"
#include "rules/match/MatchLog.h"

// Petr of LK Votice, who climbs from no class to Bowman 2nd Class in five shoots of the men's
// rounds. The handicaps are those the scheme's tables give the totals:
//   1 short round, 50 m 158, 30 m 252 (410)                       handicap 60
//   2 practice at 30 m, 36 arrows, 200                            70
//   3 short round, 50 m 189, 30 m 272 (461)                       55
//   4 full round, 90 m 221, 70 m 265, 50 m 264, 30 m 316 (1066)   40
//   5 full round, 90 m 237, 70 m 276, 50 m 276, 30 m 322 (1111)   37

struct ClimbShoot {
    std::string date;
    int32_t roundType;                                // 0 for the practice session
    std::vector<std::pair<int32_t, int32_t>> scores;  // metres and points
};

inline const std::vector<ClimbShoot>& ClimbShoots() {
    static const std::vector<ClimbShoot> shoots = {
        {"2026-04-04T10:00:00+02:00", 1, {{50, 158}, {30, 252}}},
        {"2026-04-11T10:00:00+02:00", 0, {{30, 200}}},
        {"2026-04-18T10:00:00+02:00", 1, {{50, 189}, {30, 272}}},
        {"2026-05-02T10:00:00+02:00", 3, {{90, 221}, {70, 265}, {50, 264}, {30, 316}}},
        {"2026-05-16T10:00:00+02:00", 3, {{90, 237}, {70, 276}, {50, 276}, {30, 322}}},
    };
    return shoots;
}

inline const ArcherKey kClimber{u8"Petr", u8"LK Votice"};
inline constexpr int32_t kClimbPracticeArrows = 36;

// The practice session's arrows: sixes and fives to its total, three an end.
inline std::vector<int32_t> ClimbPracticeScores(int32_t total) {
    std::vector<int32_t> scores(kClimbPracticeArrows, 5);
    const int32_t sixes = total - 5 * kClimbPracticeArrows;
    std::fill_n(scores.begin(), sixes, 6);
    return scores;
}

// The first `count` shoots as the statistics read them, match ids from 1.
inline History ClimbingHistory(std::size_t count = ClimbShoots().size()) {
    History h;
    for (std::size_t i = 0; i < count; ++i) {
        const ClimbShoot& shoot = ClimbShoots()[i];
        const auto id = static_cast<int64_t>(i + 1);
        h.matches.push_back({.id = id,
                             .started = shoot.date,
                             .finished = shoot.date,
                             .roundType = shoot.roundType,
                             .competitors = 1,
                             .practice = shoot.roundType == 0});
        for (const auto& [metres, points] : shoot.scores) {
            if (shoot.roundType != 0) {
                h.results.push_back({id, kClimber.name, kClimber.club, true, metres, points});
                continue;
            }
            for (int32_t score : ClimbPracticeScores(points)) {
                h.arrows.push_back({.matchId = id,
                                    .archer = kClimber.name,
                                    .club = kClimber.club,
                                    .distance = metres,
                                    .score = score});
            }
        }
    }
    return h;
}

// The first `count` shoots told to a match log as a match tells them; the log's clock is to
// say `now`.
inline void RecordClimb(MatchLog& log, std::string& now, std::size_t count = ClimbShoots().size()) {
    const Cp1250Text name{"Petr"}, club{"LK Votice"};
    for (std::size_t i = 0; i < count; ++i) {
        const ClimbShoot& shoot = ClimbShoots()[i];
        now = shoot.date;
        const bool practice = shoot.roundType == 0;
        log.matchStarted({.roundType = shoot.roundType,
                          .competitors = 1,
                          .practice = practice,
                          .practiceDistance = shoot.scores.front().first});
        for (const auto& [metres, points] : shoot.scores) {
            if (!practice) {
                log.distanceEnded(metres,
                                  {{.archer = name, .club = club, .human = true, .score = points}});
                continue;
            }
            int32_t arrow = 0;
            for (int32_t score : ClimbPracticeScores(points)) {
                log.arrowShot({.archer = name,
                               .club = club,
                               .distance = metres,
                               .endNo = arrow / 3 + 1,
                               .arrowNo = arrow % 3 + 1,
                               .score = score,
                               .hit = {125, 125}});
                if (++arrow % 3 == 0) log.endClosed();
            }
        }
        log.matchFinished();
    }
}
