#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "rules/competitors/CompetitorRecord.h"
#include "rules/history/History.h"

// The handicaps of a human archer, computed from the history whenever it is read: one for each
// shoot, and the current one from the latest shoots.

// A practice session counts from this many arrows.
inline constexpr int32_t kPracticeArrowsForHandicap = 12;
// The current handicap is the mean of this many latest shoots; fewer make it provisional.
inline constexpr int32_t kShootsForHandicap = 3;

struct ShootDistance {
    int32_t metres = 0;
    int32_t arrows = 0;
    int64_t score = 0;
};

// A finished match of one archer, or a finished practice session.
struct Shoot {
    int64_t matchId = 0;
    std::string date;  // when it was started
    int32_t roundType = 0;
    bool practice = false;
    std::vector<ShootDistance> distances;
};

// The handicap of the whole shoot: its total against the sum of its distances' expected
// scores. Nothing for a score a distance cannot give (negative, above 10 an arrow), a distance
// the game does not have, a practice session that is too short or a total of 0.
std::optional<int32_t> ShootHandicap(const Shoot& shoot);

struct CurrentHandicap {
    int32_t value = 0;
    bool provisional = false;  // from fewer than three shoots
    friend bool operator==(const CurrentHandicap&, const CurrentHandicap&) = default;
};

// From shoot handicaps oldest first: the mean of the three latest, rounded up as the scheme
// rounds handicaps; nothing before the first.
std::optional<CurrentHandicap> CurrentHandicapOf(std::span<const int32_t> handicaps);

struct RatedShoot {
    Shoot shoot;
    std::optional<int32_t> handicap;
};

struct HandicapProgress {
    std::vector<RatedShoot> shoots;  // in the order they were started
    std::optional<CurrentHandicap> current;
    // The last shoot that has a handicap, and the current handicap as it was before it.
    std::optional<RatedShoot> last;
    std::optional<CurrentHandicap> beforeLast;
    bool lastImproved() const;
};

// Every finished match in which the archer shot as a human, and every finished practice session
// of theirs, in the order they were started. A session is read from the history's arrows (an
// arrow the clock took counts as shot, for 0), so they must have been read for the archer.
std::vector<Shoot> ShootsOf(const History& history, const ArcherKey& archer);

// Shoots of one archer in the order they were shot, matches and practice mixed.
HandicapProgress HandicapProgressOf(std::vector<Shoot> shoots);
HandicapProgress HandicapProgressOf(const History& history, const ArcherKey& archer);

// The field's human archers (names and clubs cp1250, as the match holds them) as the history
// knows them, in the order of their slots. A field is levelled on the matches of the history and
// the arrows of these archers: their practice sessions live in their arrows alone.
std::vector<ArcherKey> HumanArchersOf(const CompetitorTable& field);

// The best current handicap among the field's human archers; nothing when none of them has one.
// Their practice counts when the history's arrows hold theirs.
std::optional<int32_t> BestHumanHandicap(const History& history, const CompetitorTable& field);
