#include <gtest/gtest.h>

#include <vector>

#include "rules/history/PathBlob.h"
#include "rules/history/ShotReplay.h"
#include "rules/match/Aiming.h"

namespace {

using namespace std::string_literals;

const std::string kCannotReplay =
    "V\xfdst\xf8"
    "el nelze p\xf8"
    "ehr\xe1t: ";

ArrowRecord Shot(const std::vector<Point>& path, const std::vector<int32_t>& draw) {
    ArrowRecord a;
    a.distance = 70;
    a.ticks = static_cast<int32_t>(path.size());
    a.pathBlob = EncodePath(path);
    a.drawBlob = EncodeDraw(draw);
    a.x = path.empty() ? 125 : path.back().x + 16;
    a.y = path.empty() ? 125 : path.back().y + 16;
    a.score = 9;
    a.factor = 100;
    return a;
}

const std::vector<Point> kPath = {{100, 90}, {101, 92}, {103, 95}, {104, 96}, {110, 97}};

}  // namespace

TEST(ShotReplay, FramesFollowThePathAndTheDraw) {
    const std::vector<int32_t> draw = {-5, -30, kClickerLeft, kClickerLeft - 1, -58};
    const ShotReplay replay = BuildReplay(Shot(kPath, draw));
    ASSERT_TRUE(replay.playable()) << replay.problem;
    EXPECT_EQ(replay.ticks(), 5);
    const ReplayFrame third = replay.frameAt(2);
    EXPECT_EQ(third.sight, (Point{103, 95}));
    EXPECT_EQ(third.aim, (Point{103 + kSightAimOffset, 95 + kSightAimOffset}));
    EXPECT_EQ(third.drawnArrowX, kClickerLeft);
    // The clicker falls once the arrow is past it, not when it only reaches it.
    EXPECT_EQ(replay.clickerTick, 3);
    EXPECT_EQ(replay.frameAt(99).sight, kPath.back());
    EXPECT_EQ(replay.frameAt(-1).sight, kPath.front());
    EXPECT_EQ(replay.hit, (Point{126, 113}));
    EXPECT_EQ(replay.score, 9);
}

TEST(ShotReplay, ArrowsRecordedWithoutTheDrawReplayTheSightOnly) {
    const ShotReplay replay = BuildReplay(Shot(kPath, {}));
    ASSERT_TRUE(replay.playable());
    EXPECT_FALSE(replay.frameAt(0).drawnArrowX.has_value());
    EXPECT_FALSE(replay.clickerTick.has_value());

    const ShotReplay neverPast = BuildReplay(Shot(kPath, {-5, -10, -20, -30, -40}));
    EXPECT_FALSE(neverPast.clickerTick.has_value());
}

TEST(ShotReplay, DamagedRecordsAreNotReplayedAndSayWhy) {
    struct Case {
        const char* name;
        ArrowRecord arrow;
        std::string says;
    };
    const auto with = [](auto change) {
        ArrowRecord a = Shot(kPath, {-5, -10, -20, -30, -40});
        change(a);
        return a;
    };
    const std::vector<Case> cases = {
        {"empty path", with([](ArrowRecord& a) { a.pathBlob.clear(); }), " je pr\xe1zdn\xfd."},
        {"odd path", with([](ArrowRecord& a) { a.pathBlob.pop_back(); }), "po\x9akozen\xfd"},
        {"three bytes", with([](ArrowRecord& a) { a.pathBlob = "\x01\x00\x02"s; }),
         "po\x9akozen\xfd"},
        {"path cut short", with([](ArrowRecord& a) { a.ticks = 7; }), "(5 z 7 krok\xf9)"},
        {"odd draw", with([](ArrowRecord& a) { a.drawBlob.pop_back(); }), "nata\x9e"},
        {"draw cut short", with([](ArrowRecord& a) {
             a.drawBlob = EncodeDraw({-5, -10});
         }),
         "(2 z 5 krok\xf9)"},
        {"hit far outside", with([](ArrowRecord& a) { a.x = -251; }), "z\xe1sah"},
        {"path far outside", with([](ArrowRecord& a) {
             a.pathBlob = EncodePath({{100, 90}, {30000, 90}});
             a.ticks = 2;
         }),
         "dr\xe1ha"},
    };
    for (const Case& c : cases) {
        const ShotReplay replay = BuildReplay(c.arrow);
        EXPECT_FALSE(replay.playable()) << c.name;
        EXPECT_TRUE(replay.problem.starts_with(kCannotReplay)) << c.name;
        EXPECT_NE(replay.problem.find(c.says), std::string::npos) << c.name << replay.problem;
        EXPECT_EQ(replay.ticks(), 0) << c.name;
        EXPECT_EQ(replay.frameAt(0).sight, Point{}) << c.name;
        EXPECT_EQ(replay.hit, (Point{c.arrow.x, c.arrow.y})) << c.name;
    }
    // A hit a little off the picture is a real miss and is replayed.
    EXPECT_TRUE(BuildReplay(with([](ArrowRecord& a) { a.x = -20; })).playable());
}

TEST(ShotReplay, AnArrowLostToTheEndClockSaysItWasNotShot) {
    // Its row has no hit and no aim; the replay says why instead of a damaged record.
    const ShotReplay replay = BuildReplay({.distance = 30, .score = 0, .shot = false});
    EXPECT_FALSE(replay.playable());
    EXPECT_NE(replay.problem.find("p nebyl vyst\xf8"), std::string::npos);
}
