#pragma once

#include <array>
#include <cstdint>

// What each distance asks of the shooter.
struct DistanceRules {
    int32_t metres;
    int32_t arrowsPerEnd;
    int32_t ends;
    int32_t closingEndNumber;  // EndNumber value that closes the distance
    const char* targetPicture;
    int32_t ringWidth;        // pixels per ring on the target picture
    int32_t faceCentimetres;  // the real 10-zone face the picture stands for
};

inline constexpr std::array<DistanceRules, 5> kDistances = {{
    {90, 6, 6, 7, "90.bmp", 4, 122},
    {70, 6, 6, 7, "70.bmp", 5, 122},
    {60, 6, 6, 7, "60.bmp", 6, 122},
    {50, 3, 12, 13, "50.bmp", 7, 80},
    {30, 3, 12, 13, "30.bmp", 9, 80},
}};

inline constexpr int32_t kArrowsPerDistance = 36;
inline constexpr int32_t kMaxDistanceScore = 360;

// Round types as the round-type dialog reports them.
struct RoundRules {
    int32_t roundType;  // 1 short men, 2 short women, 3 full men, 4 full women
    bool full;
    bool men;
    int32_t distanceCount;
    std::array<int32_t, 4> distances;  // in order of shooting
    const char* competitorFile;
    int32_t arrows;  // arrows of the whole round per competitor
};

inline constexpr std::array<RoundRules, 4> kRounds = {{
    {1, false, true, 2, {50, 30, 0, 0}, "muzi.luk", 72},
    {2, false, false, 2, {50, 30, 0, 0}, "zeny.luk", 72},
    {3, true, true, 4, {90, 70, 50, 30}, "muzi.luk", 144},
    {4, true, false, 4, {70, 60, 50, 30}, "zeny.luk", 144},
}};

// nullptr for a distance or round type that is not in the tables.
const DistanceRules* findDistance(int32_t metres);
const RoundRules* findRound(int32_t roundType);
