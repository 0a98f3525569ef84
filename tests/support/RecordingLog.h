#pragma once

#include <string>
#include <utility>
#include <vector>

#include "rules/match/MatchLog.h"

// What the engine tells its history, kept as plain lists.
class RecordingLog final : public MatchLog {
  public:
    std::vector<LoggedMatch> started;
    std::vector<LoggedArrow> arrows;
    std::vector<std::size_t> endSizes;  // arrows told before each endClosed
    // Every point to go on from the engine told, with the end, results or move that carried it.
    std::vector<std::string> resumePoints;
    std::vector<std::size_t> arrowsAtPoint;  // arrows told when each point was
    int distances = 0;
    int finished = 0;
    int abandoned = 0;

    void matchStarted(const LoggedMatch& match) override { started.push_back(match); }
    void arrowShot(LoggedArrow arrow) override { arrows.push_back(std::move(arrow)); }
    void endClosed(const std::string& point) override {
        endSizes.push_back(arrows.size());
        keep(point);
    }
    void distanceEnded(int32_t, const std::vector<LoggedResult>&,
                       const std::string& point) override {
        ++distances;
        keep(point);
    }
    void resumePointMoved(const std::string& point) override { keep(point); }
    void matchFinished() override { ++finished; }
    void matchAbandoned() override { ++abandoned; }

  private:
    void keep(const std::string& point) {
        resumePoints.push_back(point);
        arrowsAtPoint.push_back(arrows.size());
    }
};
