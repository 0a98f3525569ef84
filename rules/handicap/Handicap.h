#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The handicap of the Archery GB scheme (2023 revision) for 10-zone faces: one number, the
// lower the better, that says what score an archer can expect at any distance and face. The
// model assumes the arrows fall in a circular normal group whose angular spread grows by a
// fixed percentage per handicap point and a little with distance.

inline constexpr int32_t kBestHandicap = 0;
inline constexpr int32_t kWorstHandicap = 150;

// One distance of a shoot as the scheme sees it.
struct HandicapDistance {
    int32_t metres = 0;
    int32_t faceCentimetres = 0;  // diameter of the 10-zone face
    int32_t arrows = 0;
};

// The radial spread of the group in metres: an arrow lands beyond `r` from the centre with the
// probability exp(-(r / spread)^2).
double GroupSpread(double handicap, double metres);

// The score (0..10) of an arrow whose centre lands `radiusMetres` from the face's centre.
int32_t ArrowScoreAtRadius(double radiusMetres, int32_t faceCentimetres);

// The expected score of one arrow (0..10) for a handicap, which need not be whole.
double ExpectedArrowScore(double handicap, int32_t metres, int32_t faceCentimetres);

// The expected score of all the arrows of the distances.
double ExpectedScore(double handicap, std::span<const HandicapDistance> distances);

// The score the scheme's tables give for a whole handicap: the expected score rounded up.
int32_t TableScore(int32_t handicap, std::span<const HandicapDistance> distances);

// The whole handicap in 0..150 the tables give a score: the best one whose table score the
// score reaches; but a score that is itself the table score of several handicaps gets the worst
// of them, as the tables print it only there (so a full score gets the worst handicap that
// still expects it). A score that reaches none of them gets 150. Nothing for a score of 0 or
// less or above the distances' maximum, nor for distances without arrows.
std::optional<int32_t> HandicapForScore(int64_t score, std::span<const HandicapDistance> distances);
