#include "rules/history/Statistics.h"

#include <tuple>
#include <unordered_map>

#include "rules/match/Ends.h"

namespace {

bool isArcher(const ArcherKey& archer, const Utf8Text& name, const Utf8Text& club) {
    return archer.name == name && archer.club == club;
}

// A later equal score does not take the best from the earlier one.
void updateBest(std::map<int32_t, DatedScore>& bests, int32_t key, int64_t score,
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
    Selection(const History& history, int32_t roundFilter) {
        for (const MatchRecord& m : history.matches) {
            if (roundFilter == kAllRounds || m.roundType == roundFilter) byId_.emplace(m.id, &m);
        }
    }
    const MatchRecord* find(int64_t id) const {
        auto it = byId_.find(id);
        return it == byId_.end() ? nullptr : it->second;
    }

  private:
    std::unordered_map<int64_t, const MatchRecord*> byId_;
};

void markLastMatch(ArcherStatistics& stats) {
    if (!stats.lastMatchId) return;
    auto mark = [&](DatedScore& d) { d.inLastMatch = d.matchId == *stats.lastMatchId; };
    for (auto& [round, best] : stats.bests.matchTotal) mark(best);
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
    Averages& avg = stats.averages;
    int32_t tens = 0, nines = 0, misses = 0;
    for (const ArrowRecord& a : history.arrows) {
        if (!isArcher(archer, a.archer, a.club) || !selection.find(a.matchId)) continue;
        noteMatch(a.matchId);
        matchesShot[a.matchId] = true;
        ++avg.arrows;
        tens += a.score == 10;
        nines += a.score == 9;
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
    for (const auto& [key, e] : ends) {
        const auto& [matchId, metres, endNo] = key;
        if (e.arrows != ArrowsPerEnd(metres)) continue;
        auto [it, inserted] = stats.bests.end.try_emplace(metres);
        if (!inserted && e.sum <= it->second.score.score) continue;
        const MatchRecord& match = *selection.find(matchId);
        it->second = {.score = {.score = e.sum, .matchId = matchId, .date = match.started},
                      .distance = metres,
                      .endNo = endNo};
    }
    markLastMatch(stats);
    return stats;
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
