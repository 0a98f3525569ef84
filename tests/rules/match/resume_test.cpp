#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "rules/formats/Utf8.h"
#include "rules/match/ResumePoint.h"
#include "support/EngineRig.h"
#include "support/RecordingLog.h"

namespace {

constexpr int kComputerSlot = 140;

// A short round for two archers and a computer, each arrow drawn to its own factor so that every
// end scores differently.
struct ResumedMatch : EngineRig {
    RecordingLog log;

    ResumedMatch() {
        random.setFallback(kSteady);
        state.Difficulty = kDifficultyWorldClass;
        engine.SetMatchLog(log);
    }

    static CompetitorTable field() {
        CompetitorTable table = FieldWithHumans({1, 4});
        table[kComputerSlot] = {"Robot", "", {60, 70, 80, 90}, true};
        return table;
    }

    void playOn() {
        static constexpr int kFactors[] = {100, 80, 40, 20, 0};
        for (int actions = 0; state.MatchUnderWay && actions < 1000; ++actions) {
            if (!state.TimerRunning) {
                press(kVkNext);
                continue;
            }
            const int turn = state.CurrentCompetitor + state.ArrowsLeft + state.EndNumber;
            shootSteadyArrow(kFactors[turn % 5]);
        }
    }
};

std::vector<ArcherTally> TallyOf(const std::vector<LoggedArrow>& arrows, std::size_t count) {
    std::map<std::pair<Utf8Text, Utf8Text>, ArcherTally> tallies;
    for (std::size_t i = 0; i < count; ++i) {
        ArcherTally& t = tallies[{ToUtf8(arrows[i].archer), ToUtf8(arrows[i].club)}];
        t.archer = ToUtf8(arrows[i].archer);
        t.club = ToUtf8(arrows[i].club);
        ++t.arrows;
        t.points += arrows[i].score;
    }
    std::vector<ArcherTally> list;
    for (const auto& [key, tally] : tallies) list.push_back(tally);
    return list;
}

}  // namespace

// Whichever end the program ended after, the match goes on to the same scores, telling the
// history the same points on the way, as the match played through.
TEST(Resume, FromEveryPointTheMatchEndsAsPlayedThrough) {
    ResumedMatch through;
    through.engine.StartMatch(1, ResumedMatch::field());
    through.playOn();
    ASSERT_FALSE(through.state.MatchUnderWay);
    const std::vector<std::string>& points = through.log.resumePoints;
    ASSERT_EQ(points.size(), 2u * 24 + 3);  // every end, both results and the one closing
    ASSERT_TRUE(points.back().empty());     // after the last distance there is nothing to go on

    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
        const std::optional<ResumePoint> point = DecodeResumePoint(points[k]);
        ASSERT_TRUE(point) << k;
        EXPECT_EQ(EncodeResumePoint(*point), points[k]);
        const std::vector<ArcherTally> stored =
            TallyOf(through.log.arrows, through.log.arrowsAtPoint[k]);
        EXPECT_TRUE(AgreesWithArrows(*point, stored)) << k;
        EXPECT_FALSE(
            AgreesWithArrows(*point, TallyOf(through.log.arrows, through.log.arrowsAtPoint[k] - 1)))
            << k;

        ResumedMatch resumed;
        resumed.engine.ResumeMatch(*point);
        EXPECT_EQ(resumed.log.started.size(), 0u);
        resumed.playOn();
        EXPECT_EQ(resumed.state.Scores, through.state.Scores) << k;
        EXPECT_EQ(resumed.log.resumePoints,
                  std::vector<std::string>(points.begin() + static_cast<std::ptrdiff_t>(k) + 1,
                                           points.end()))
            << k;
        EXPECT_EQ(resumed.log.finished, 1) << k;
    }
}

TEST(Resume, TheBoardStandsAtTheTurnsFirstArrow) {
    ResumedMatch through;
    through.engine.StartMatch(1, ResumedMatch::field());
    // Archer 1 closes his first end.
    for (int arrow = 0; arrow < 3; ++arrow) {
        through.press(kVkNext);
        through.shootSteadyArrow(80);
    }
    const std::string point = through.log.resumePoints.at(0);
    through.press(kVkNext);  // archer 4's first arrow, as play goes on

    ResumedMatch resumed;
    resumed.engine.ResumeMatch(*DecodeResumePoint(point));
    const MatchState& s = resumed.state;
    EXPECT_EQ(s.CurrentCompetitor, 4);
    EXPECT_EQ(s.EndNumber, 1);
    EXPECT_TRUE(s.NextarrowEnabled);
    EXPECT_FALSE(s.TimerRunning);
    EXPECT_EQ(s.Markers, kMarkerRest);
    for (MatchLabel label : {MatchLabel::PlName, MatchLabel::Club, MatchLabel::Celkem,
                             MatchLabel::SoucetSada, MatchLabel::SadaCount, MatchLabel::Vzdalenost})
        EXPECT_EQ(resumed.screen.labels[label], through.screen.labels[label]);
    resumed.press(kVkNext);
    EXPECT_TRUE(s.TimerRunning);
    EXPECT_EQ(s.ArrowsLeft, through.state.ArrowsLeft);
}

TEST(Resume, DamagedNewerOrUnknownPointsAreRefused) {
    ResumedMatch through;
    through.engine.StartMatch(1, ResumedMatch::field());
    for (int arrow = 0; arrow < 3; ++arrow) {
        through.press(kVkNext);
        through.shootSteadyArrow(80);
    }
    const std::string good = through.log.resumePoints.at(0);
    const ResumePoint point = *DecodeResumePoint(good);
    for (std::size_t size = 0; size < good.size(); ++size)
        EXPECT_FALSE(DecodeResumePoint(good.substr(0, size))) << size;
    EXPECT_FALSE(DecodeResumePoint(good + '\0'));

    const auto with = [&](auto change) {
        ResumePoint changed = point;
        change(changed);
        return EncodeResumePoint(changed);
    };
    std::string newer = good;
    newer[3] = 2;
    struct Case {
        const char* what;
        std::string bytes;
    };
    for (const Case& c : {
             Case{"a later format", newer},
             Case{"an unknown round", with([](ResumePoint& p) { p.roundType = 9; })},
             Case{"a distance the round does not shoot",
                  with([](ResumePoint& p) { p.distance = 90; })},
             Case{"an end past the distance", with([](ResumePoint& p) { p.endNumber = 14; })},
             Case{"a computer's turn", with([](ResumePoint& p) { p.competitor = kComputerSlot; })},
             Case{"results on the way into the first distance",
                  with([](ResumePoint& p) { p.resultsShowing = true; })},
         })
        EXPECT_FALSE(DecodeResumePoint(c.bytes)) << c.what;
}

TEST(Resume, DemosAndPracticeKeepNothingToGoOnFrom) {
    ResumedMatch demo;
    demo.engine.StartMatch(1, FieldWithHumans({}));
    demo.playOn();
    ResumedMatch practice;
    practice.engine.StartPractice({.archer = "Eva", .distance = 30, .ends = 2});
    practice.playOn();
    for (const RecordingLog* log : {&demo.log, &practice.log}) {
        EXPECT_FALSE(log->resumePoints.empty());
        for (const std::string& point : log->resumePoints) EXPECT_TRUE(point.empty());
    }
}
