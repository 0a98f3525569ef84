#include "rules/match/Wind.h"

#include <cmath>
#include <numbers>

#include "rules/match/Rounds.h"

namespace {

struct LevelShape {
    int32_t slowestTenths;
    int32_t fastestTenths;
    double speedSwing;    // share of the prevailing speed the wind gains or loses
    double degreesSwing;  // how far it veers either way
    bool gusts;
};

// Indexed by WindLevel.
constexpr std::array<LevelShape, kWindLevelCount> kShapes = {{
    {0, 0, 0, 0, false},
    {0, 20, 0.15, 10, false},
    {10, 40, 0.4, 30, true},
    {30, 70, 0.4, 30, true},
}};

// Periods in aiming ticks: a swell over several seconds, a gust over two, a veer over eleven.
constexpr double kSwellTicks = 700;
constexpr double kGustTicks = 230;
constexpr double kVeerTicks = 1100;
// How much of the speed's swing the swell and the gust each bring; together at most all of it.
constexpr double kSwellShare = 0.6;
constexpr double kGustShare = 0.4;
// A gust is felt once the wind is this far into its swing above the prevailing speed.
constexpr double kGustFelt = 0.45;

// Drift in millimetres for each m/s of crosswind at a distance: point-mass figures for a
// recurve arrow of about 20 g leaving the bow at 60 m/s.
struct Drift {
    int32_t metres;
    int32_t millimetres;
};
constexpr std::array<Drift, 5> kDrift = {{{90, 107}, {70, 64}, {60, 47}, {50, 32}, {30, 12}}};

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

double Wave(int64_t tick, double period, double phase) {
    return std::sin(2 * std::numbers::pi * static_cast<double>(tick) / period + phase);
}

}  // namespace

EndWind::EndWind(WindLevel level, Random& random) : level_(level) {
    const LevelShape& shape = kShapes[static_cast<std::size_t>(level)];
    if (level == WindLevel::Calm) return;
    prevailing_.tenths =
        shape.slowestTenths + random.random(shape.fastestTenths - shape.slowestTenths + 1);
    prevailing_.fromDegrees = random.random(360);
    for (double& phase : phases_) phase = Radians(random.random(360));
}

Wind EndWind::at(int64_t tick) const {
    if (level_ == WindLevel::Calm) return {};
    const LevelShape& shape = kShapes[static_cast<std::size_t>(level_)];
    const double gust = Wave(tick, kGustTicks, phases_[1]);
    const double swing = kSwellShare * Wave(tick, kSwellTicks, phases_[0]) + kGustShare * gust;
    const double speed = prevailing_.tenths * (1 + shape.speedSwing * swing);
    const double veer = shape.degreesSwing * Wave(tick, kVeerTicks, phases_[2]);
    const auto from = static_cast<int32_t>(std::lround(prevailing_.fromDegrees + veer));
    return {.tenths = static_cast<int32_t>(std::lround(speed)),
            .fromDegrees = ((from % 360) + 360) % 360,
            .gusting = shape.gusts && swing > kGustFelt};
}

Point WindDrift(const Wind& wind, int32_t metres) {
    const std::optional<TargetFace> face = findTargetFace(metres);
    if (!face || wind.tenths == 0) return {};
    int64_t millimetres = 0;
    for (const Drift& drift : kDrift) {
        if (drift.metres == metres) millimetres = drift.millimetres;
    }
    // The picture's pixels per centimetre are its ring width over the real one, which is the
    // face's radius over ten rings. Whole numbers up to the one division, so that a drift of
    // exactly half a pixel is exactly that.
    const int64_t realRingsPerFace = 2 * kTargetRings;
    const double pixels =
        static_cast<double>(wind.tenths * millimetres * face->ringWidth * realRingsPerFace) /
        static_cast<double>(100 * face->faceCentimetres);
    const double theta = Radians(wind.fromDegrees);
    // std::round rounds half away from zero.
    return {static_cast<int32_t>(std::round(-pixels * std::sin(theta))),
            static_cast<int32_t>(std::round(pixels * std::cos(theta) / 4))};
}

const char* WindArrow(int32_t fromDegrees) {
    // By the direction it blows from, in steps of 45 degrees from a head wind.
    static constexpr std::array<const char*, 8> kArrows = {"↓", "↙", "←", "↖", "↑", "↗", "→", "↘"};
    const int32_t step = ((fromDegrees % 360 + 360) % 360 + 22) / 45 % 8;
    return kArrows[static_cast<std::size_t>(step)];
}
