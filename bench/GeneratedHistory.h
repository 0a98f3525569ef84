#pragma once

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "rules/history/HistoryRecords.h"
#include "rules/history/PathBlob.h"
#include "rules/match/Aiming.h"
#include "rules/match/Rounds.h"
#include "rules/match/Scoring.h"

// A made-up history of one archer: `matchCount` matches a day apart, each with the 36 arrows of
// one distance. The group starts low on the left and settles towards the middle over the
// matches; every arrow has a sight path that wanders in from where the sight was placed and a
// draw that passes the clicker before the release. The same seed gives the same history.
struct GeneratedHistory {
    std::vector<MatchRecord> matches;
    std::vector<ArrowRecord> arrows;
};

inline GeneratedHistory GenerateHistory(int matchCount, int32_t distance, unsigned seed,
                                        const Utf8Text& archer = u8"Jan Novák") {
    GeneratedHistory history;
    std::mt19937 random(seed);
    std::normal_distribution<double> wobble(0, 1);
    std::uniform_int_distribution<int32_t> placement(kSightPlacementMin, 258);
    std::uniform_int_distribution<int32_t> aimTicks(120, 320);
    // Matches of the men's full round; a distance it does not shoot is shot as its second.
    const Round& round = FullRound(Division::Men);
    const DistanceStage shape = round.stageAt(distance).value_or(round.stages()[1]);
    const double ring = shape.target.ringWidth;
    const QDateTime first(QDate(2024, 3, 2), QTime(9, 30), QTimeZone(3600));

    for (int m = 0; m < matchCount; ++m) {
        const int64_t id = m + 1;
        const QDateTime started = first.addDays(m);
        history.matches.push_back({id, started.toString(Qt::ISODate).toStdString(),
                                   started.addSecs(5400).toString(Qt::ISODate).toStdString(),
                                   round.type, 1, 1, 40});
        const double settled = matchCount > 1 ? static_cast<double>(m) / (matchCount - 1) : 1;
        const double driftX = (1 - settled) * -2.5 * ring;
        const double driftY = (1 - settled) * 2.0 * ring;
        for (int32_t end = 1; end <= shape.ends; ++end) {
            for (int32_t shot = 1; shot <= shape.arrowsPerEnd; ++shot) {
                ArrowRecord a;
                a.matchId = id;
                a.archer = archer;
                a.club = u8"TJ Lukostřelba";
                a.distance = distance;
                a.endNo = end;
                a.arrowNo = shot;
                const double spread = 1.6 * ring;
                a.x = kTargetCentre.x +
                      static_cast<int32_t>(std::lround(driftX + spread * wobble(random)));
                a.y = kTargetCentre.y +
                      static_cast<int32_t>(std::lround(driftY + spread * wobble(random)));
                a.ticks = aimTicks(random);
                const Point start{placement(random), placement(random)};
                const Point last{a.x - kSightAimOffset, a.y - kSightAimOffset};
                std::vector<Point> path;
                std::vector<int32_t> draw;
                int32_t left = kArrowNocked;
                for (int32_t t = 0; t < a.ticks; ++t) {
                    const double along = std::pow(static_cast<double>(t + 1) / a.ticks, 0.6);
                    const double sway = 4 * (1 - along) + 1;
                    Point p{static_cast<int32_t>(std::lround(start.x + (last.x - start.x) * along +
                                                             sway * wobble(random))),
                            static_cast<int32_t>(std::lround(start.y + (last.y - start.y) * along +
                                                             sway * wobble(random)))};
                    if (t + 1 < a.ticks) {
                        p.x = std::clamp(p.x, 0, kSightMaxLeft);
                        p.y = std::clamp(p.y, 0, kSightMaxLeft);
                    } else {
                        p = last;
                    }
                    path.push_back(p);
                    if (t > 20 && left > -57) left += kDrawStep;
                    draw.push_back(left);
                }
                a.factor = ReleaseFactor(left);
                int32_t x = a.x;
                int32_t y = a.y;
                a.score = ScoreHit(a.factor, distance, x, y);
                a.pathBlob = EncodePath(path);
                a.drawBlob = EncodeDraw(draw);
                history.arrows.push_back(std::move(a));
            }
        }
    }
    return history;
}
