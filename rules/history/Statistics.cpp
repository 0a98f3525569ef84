#include "rules/history/Statistics.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <unordered_map>

#include "rules/match/Rounds.h"
#include "rules/match/Scoring.h"

namespace {

bool isArcher(const ArcherKey& archer, const Utf8Text& name, const Utf8Text& club) {
    return archer.name == name && archer.club == club;
}

// A later equal score does not take the best from the earlier one.
template <typename Key>
void updateBest(std::map<Key, DatedScore>& bests, const Key& key, int64_t score,
                const MatchRecord& match) {
    auto [it, inserted] = bests.try_emplace(key);
    if (!inserted && score <= it->second.score) return;
    it->second = {.score = score, .matchId = match.id, .date = match.started};
}

struct EndSum {
    int64_t sum = 0;
    int32_t arrows = 0;
};

class Selection {
  public:
    Selection(const History& history, int32_t roundFilter)
        : practiceDistance_(roundFilter < kAllPractice ? -roundFilter : 0) {
        // Practice never counts toward a round, nor a round toward practice; bouts have
        // their own tally.
        for (const MatchRecord& m : history.matches) {
            if (m.matchplay) continue;
            const bool wanted = roundFilter == kAllRounds ? !m.practice
                                : roundFilter > kAllRounds
                                    ? !m.practice && m.roundType == roundFilter
                                    : m.practice;
            if (wanted) byId_.emplace(m.id, &m);
        }
    }
    // The match of an arrow the selection takes; nullptr for any other arrow.
    const MatchRecord* take(const ArrowRecord& a) const {
        if (practiceDistance_ != 0 && a.distance != practiceDistance_) return nullptr;
        return find(a.matchId);
    }
    const MatchRecord* find(int64_t id) const {
        auto it = byId_.find(id);
        return it == byId_.end() ? nullptr : it->second;
    }

  private:
    int32_t practiceDistance_;
    std::unordered_map<int64_t, const MatchRecord*> byId_;
};

void markLastMatch(ArcherStatistics& stats) {
    if (!stats.lastMatchId) return;
    auto mark = [&](DatedScore& d) { d.inLastMatch = d.matchId == *stats.lastMatchId; };
    for (auto& [round, best] : stats.bests.matchTotal) mark(best);
    for (auto& [kind, best] : stats.bests.practiceTotal) mark(best);
    for (auto& [metres, best] : stats.bests.distance) mark(best);
    for (auto& [metres, best] : stats.bests.end) mark(best.score);
}

}  // namespace

ArcherStatistics ComputeStatistics(const History& history, const ArcherKey& archer,
                                   int32_t roundFilter) {
    ArcherStatistics stats;
    const Selection selection(history, roundFilter);
    auto noteMatch = [&](int64_t id) {
        if (!stats.lastMatchId || id > *stats.lastMatchId) stats.lastMatchId = id;
    };

    std::map<int64_t, int64_t> matchTotals;
    for (const ResultRecord& r : history.results) {
        if (!r.human || !isArcher(archer, r.archer, r.club)) continue;
        const MatchRecord* match = selection.find(r.matchId);
        if (!match) continue;
        noteMatch(match->id);
        updateBest(stats.bests.distance, r.distance, r.score, *match);
        if (match->finished) matchTotals[match->id] += r.score;
    }
    // Ids grow with the start of a match, so this is the order of the chart.
    for (const auto& [id, total] : matchTotals) {
        const MatchRecord& match = *selection.find(id);
        stats.totals.push_back({id, match.roundType, match.started, total});
        updateBest(stats.bests.matchTotal, match.roundType, total, match);
    }

    std::map<int32_t, EndSum> byDistance;
    std::map<std::tuple<int64_t, int32_t, int32_t>, EndSum> ends;
    std::map<int64_t, bool> matchesShot;
    struct Session {
        int64_t total = 0;
        int32_t distance = 0;
        int32_t ends = 0;
    };
    std::map<int64_t, Session> sessions;
    Averages& avg = stats.averages;
    int32_t tens = 0, nines = 0, misses = 0;
    for (const ArrowRecord& a : history.arrows) {
        if (!isArcher(archer, a.archer, a.club)) continue;
        const MatchRecord* match = selection.take(a);
        if (!match) continue;
        noteMatch(a.matchId);
        if (match->practice) {
            Session& session = sessions[a.matchId];
            session.total += a.score;
            session.distance = a.distance;
            session.ends = std::max(session.ends, a.endNo);
        }
        matchesShot[a.matchId] = true;
        ++avg.arrows;
        tens += a.score == kTenScore;
        nines += a.score == kNineScore;
        misses += a.score == 0;
        EndSum& d = byDistance[a.distance];
        d.sum += a.score;
        ++d.arrows;
        EndSum& e = ends[{a.matchId, a.distance, a.endNo}];
        e.sum += a.score;
        ++e.arrows;
    }
    avg.matches = static_cast<int32_t>(matchesShot.size());
    if (avg.arrows > 0) {
        avg.tensShare = static_cast<double>(tens) / avg.arrows;
        avg.ninesShare = static_cast<double>(nines) / avg.arrows;
        avg.missesShare = static_cast<double>(misses) / avg.arrows;
    }
    for (const auto& [metres, d] : byDistance) {
        avg.arrowScore[metres] = static_cast<double>(d.sum) / d.arrows;
    }
    for (const auto& [id, session] : sessions) {
        const MatchRecord& match = *selection.find(id);
        if (!match.finished) continue;
        stats.totals.push_back({.matchId = id,
                                .roundType = match.roundType,
                                .date = match.started,
                                .total = session.total,
                                .practice = true,
                                .distance = session.distance});
        updateBest(stats.bests.practiceTotal, PracticeKind{session.distance, session.ends},
                   session.total, match);
    }
    // Matches and sessions in the order they were started.
    std::stable_sort(
        stats.totals.begin(), stats.totals.end(),
        [](const MatchTotal& a, const MatchTotal& b) { return a.matchId < b.matchId; });
    for (const auto& [key, e] : ends) {
        const auto& [matchId, metres, endNo] = key;
        const MatchRecord& match = *selection.find(matchId);
        // Only a whole end counts; its length is the round's at that distance.
        const std::optional<Round> round =
            match.practice ? PracticeRound(metres, 1) : findRound(match.roundType);
        const std::optional<DistanceStage> stage = round ? round->stageAt(metres) : std::nullopt;
        if (!stage || e.arrows != stage->arrowsPerEnd) continue;
        auto [it, inserted] = stats.bests.end.try_emplace(metres);
        if (!inserted && e.sum <= it->second.score.score) continue;
        it->second = {.score = {.score = e.sum, .matchId = matchId, .date = match.started},
                      .distance = metres,
                      .endNo = endNo};
    }
    markLastMatch(stats);
    return stats;
}

BoutTally BoutTallyOf(const History& history, const ArcherKey& archer) {
    BoutTally tally;
    std::set<int64_t> brackets;
    for (const BoutRecord& b : history.bouts) {
        if (!isArcher(archer, b.archer, b.club)) continue;
        ++(b.won ? tally.won : tally.lost);
        brackets.insert(b.matchId);
    }
    for (const MatchRecord& m : history.matches) {
        if (!m.matchplay || !m.finished || !m.place || *m.place < 1 || !brackets.count(m.id))
            continue;
        if (!tally.bestPlace || *m.place < *tally.bestPlace) tally.bestPlace = m.place;
    }
    return tally;
}

std::optional<MatchChoice> LastHumanMatch(const History& history) {
    for (auto m = history.matches.rbegin(); m != history.matches.rend(); ++m) {
        if (!m->finished) continue;
        const ResultRecord* best = nullptr;
        int32_t lastDistance = 0;
        for (const ResultRecord& r : history.results) {
            if (r.matchId != m->id) continue;
            // Rows are written distance by distance; the last distance holds the final places.
            if (r.distance != lastDistance) {
                lastDistance = r.distance;
                best = nullptr;
            }
            if (r.human && (!best || r.rank < best->rank)) best = &r;
        }
        if (best) return MatchChoice{m->id, m->roundType, {best->archer, best->club}};
    }
    return std::nullopt;
}
