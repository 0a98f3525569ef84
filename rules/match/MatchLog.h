#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rules/formats/EncodedText.h"
#include "rules/match/Geometry.h"
#include "rules/match/Wind.h"

// What a match tells its history, in the order it happens. Names and clubs are cp1250, as the
// match holds them; the log converts them for the history. A log keeps what it is told in memory
// and decides itself when to store it; no call may keep the match waiting.

struct LoggedMatch {
    int32_t roundType = 0;
    int32_t difficulty = 0;
    int32_t sight = 0;  // 0 the built-in sight, 1..3 "z1.ico" .. "z3.ico", 4 one of the player's
    int32_t competitors = 0;
    bool demo = false;
    // A practice session: no round type, one archer, one distance.
    bool practice = false;
    // Bouts of a bracket shot head to head: no round type, one archer, one distance.
    bool matchplay = false;
    int32_t practiceDistance = 0;
};

struct LoggedArrow {
    Cp1250Text archer;
    Cp1250Text club;
    int32_t distance = 0;
    int32_t endNo = 0;
    int32_t arrowNo = 0;  // 1 = first shot of the end
    int32_t score = 0;
    Point hit;  // target-picture pixels where the arrow struck, after the wind, before any clamping
    Wind wind;  // at the release
    int32_t factor = 0;
    int32_t ticks = 0;  // from the next-arrow action to the release
    // One entry where the next-arrow action put sight and arrow, then one after every tick.
    std::vector<Point> path;
    std::vector<int32_t> draw;
    // False for an arrow the end clock took before it was shot: score 0, no hit, no aim.
    bool shot = true;
};

struct LoggedResult {
    Cp1250Text archer;
    Cp1250Text club;
    bool human = false;
    int32_t score = 0;  // at the distance just ended
    int32_t hits = 0;
    int32_t tens = 0;
    int32_t nines = 0;
    int32_t rank = 0;  // place in the whole field after that distance
};

class MatchLog {
  public:
    virtual ~MatchLog() = default;

    virtual void matchStarted(const LoggedMatch& match) = 0;
    virtual void arrowShot(LoggedArrow arrow) = 0;
    // The arrows told since the last end closed make one end. `resumePoint` is where the match
    // can go on from after it (the rules' bytes, ResumePoint.h), to be kept in the same
    // transaction; empty when the match cannot go on from there (a demo, practice, its end).
    virtual void endClosed(const std::string& resumePoint) = 0;
    virtual void distanceEnded(int32_t distance, const std::vector<LoggedResult>& results,
                               const std::string& resumePoint) = 0;
    // The match goes on from a new point with no arrow shot since the last: its results window
    // was closed.
    virtual void resumePointMoved(const std::string& resumePoint) = 0;
    virtual void matchFinished() = 0;
    // A new match replaces this one before its last distance: it stays unfinished.
    virtual void matchAbandoned() = 0;
};

// The log of a game that keeps no history.
class NullMatchLog final : public MatchLog {
  public:
    void matchStarted(const LoggedMatch&) override {}
    void arrowShot(LoggedArrow) override {}
    void endClosed(const std::string&) override {}
    void distanceEnded(int32_t, const std::vector<LoggedResult>&, const std::string&) override {}
    void resumePointMoved(const std::string&) override {}
    void matchFinished() override {}
    void matchAbandoned() override {}
};
