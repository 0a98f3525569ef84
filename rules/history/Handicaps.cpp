#include "rules/history/Handicaps.h"

#include <algorithm>
#include <map>

#include "rules/formats/Utf8.h"
#include "rules/match/HandicapDistances.h"
#include "rules/match/Rounds.h"
#include "rules/match/Scoring.h"

std::vector<Shoot> ShootsOf(const History& history, const ArcherKey& archer) {
    std::map<int64_t, Shoot> byMatch;
    for (const ResultRecord& r : history.results) {
        if (!r.human || r.archer != archer.name || r.club != archer.club) continue;
        byMatch[r.matchId].distances.push_back({r.distance, kArrowsPerDistance, r.score});
    }
    std::map<int64_t, ShootDistance> bySession;
    for (const ArrowRecord& a : history.arrows) {
        if (a.archer != archer.name || a.club != archer.club) continue;
        ShootDistance& session = bySession[a.matchId];
        session.metres = a.distance;
        ++session.arrows;
        session.score += a.score;
    }
    for (const MatchRecord& m : history.matches) {
        auto session = bySession.find(m.id);
        if (m.practice && session != bySession.end()) {
            byMatch[m.id] = {.practice = true, .distances = {session->second}};
        }
    }
    std::vector<Shoot> shoots;
    for (const MatchRecord& m : history.matches) {
        auto it = byMatch.find(m.id);
        if (it == byMatch.end() || !m.finished) continue;
        Shoot& shoot = it->second;
        shoot.matchId = m.id;
        shoot.date = m.started;
        shoot.roundType = m.roundType;
        shoots.push_back(std::move(shoot));
    }
    return shoots;
}

std::optional<int32_t> ShootHandicap(const Shoot& shoot) {
    std::vector<HandicapDistance> distances;
    int64_t total = 0;
    int64_t arrows = 0;
    for (const ShootDistance& d : shoot.distances) {
        if (d.arrows <= 0 || d.score < 0 || d.score > int64_t{kTenScore} * d.arrows)
            return std::nullopt;
        const std::optional<HandicapDistance> distance = HandicapDistanceAt(d.metres, d.arrows);
        if (!distance) return std::nullopt;
        distances.push_back(*distance);
        total += d.score;
        arrows += d.arrows;
    }
    if (shoot.practice && arrows < kPracticeArrowsForHandicap) return std::nullopt;
    return HandicapForScore(total, distances);
}

std::optional<CurrentHandicap> CurrentHandicapOf(std::span<const int32_t> handicaps) {
    if (handicaps.empty()) return std::nullopt;
    const auto count = std::min<std::size_t>(handicaps.size(), kShootsForHandicap);
    int64_t sum = 0;
    for (std::size_t i = handicaps.size() - count; i < handicaps.size(); ++i) sum += handicaps[i];
    const auto n = static_cast<int64_t>(count);
    // Rounded up: a handicap is earned, not given.
    return CurrentHandicap{static_cast<int32_t>((sum + n - 1) / n), count < kShootsForHandicap};
}

bool HandicapProgress::lastImproved() const {
    return last && last->handicap && beforeLast && *last->handicap < beforeLast->value;
}

HandicapProgress HandicapProgressOf(std::vector<Shoot> shoots) {
    HandicapProgress progress;
    std::vector<int32_t> handicaps;
    for (Shoot& shoot : shoots) {
        const std::optional<int32_t> handicap = ShootHandicap(shoot);
        if (handicap) {
            progress.beforeLast = CurrentHandicapOf(handicaps);
            handicaps.push_back(*handicap);
        }
        progress.shoots.push_back({std::move(shoot), handicap});
        if (handicap) progress.last = progress.shoots.back();
    }
    progress.current = CurrentHandicapOf(handicaps);
    return progress;
}

HandicapProgress HandicapProgressOf(const History& history, const ArcherKey& archer) {
    return HandicapProgressOf(ShootsOf(history, archer));
}

std::vector<ArcherKey> HumanArchersOf(const CompetitorTable& field) {
    std::vector<ArcherKey> archers;
    for (const CompetitorRecord& c : field) {
        if (IsHumanArcher(c))
            archers.push_back({ToUtf8(Cp1250Text{c.Name}), ToUtf8(Cp1250Text{c.Club})});
    }
    return archers;
}

std::optional<int32_t> BestHumanHandicap(const History& history, const CompetitorTable& field) {
    std::optional<int32_t> best;
    for (const ArcherKey& archer : HumanArchersOf(field)) {
        const HandicapProgress progress = HandicapProgressOf(history, archer);
        if (progress.current && (!best || progress.current->value < *best))
            best = progress.current->value;
    }
    return best;
}
