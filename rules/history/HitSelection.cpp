#include "rules/history/HitSelection.h"

#include <algorithm>
#include <limits>
#include <set>
#include <unordered_map>

namespace {

// Reads `count` digits at `at`, advancing it; nothing when they are not all digits.
std::optional<int32_t> Digits(std::string_view text, std::size_t& at, std::size_t count) {
    if (at + count > text.size()) return std::nullopt;
    int32_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text[at + i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    at += count;
    return value;
}

bool Expect(std::string_view text, std::size_t& at, char c) {
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Rank of each match in order of start; arrows of a match that is not listed come last.
std::unordered_map<int64_t, std::size_t> StartRanks(const std::vector<MatchRecord>& matches) {
    std::unordered_map<int64_t, std::size_t> ranks;
    const std::vector<int64_t> order = MatchesByStart(matches);
    for (std::size_t i = 0; i < order.size(); ++i) ranks.emplace(order[i], i);
    return ranks;
}

template <typename Keep>
std::vector<std::size_t> SelectInShootingOrder(const std::vector<MatchRecord>& matches,
                                               const std::vector<ArrowRecord>& arrows, Keep keep) {
    const auto ranks = StartRanks(matches);
    const auto rankOf = [&ranks](int64_t id) {
        const auto found = ranks.find(id);
        return found == ranks.end() ? std::numeric_limits<std::size_t>::max() : found->second;
    };
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < arrows.size(); ++i) {
        if (keep(arrows[i])) chosen.push_back(i);
    }
    std::stable_sort(chosen.begin(), chosen.end(), [&](std::size_t a, std::size_t b) {
        const ArrowRecord& l = arrows[a];
        const ArrowRecord& r = arrows[b];
        const auto lr = rankOf(l.matchId);
        const auto rr = rankOf(r.matchId);
        if (lr != rr) return lr < rr;
        if (l.matchId != r.matchId) return l.matchId < r.matchId;
        if (l.endNo != r.endNo) return l.endNo < r.endNo;
        return l.arrowNo < r.arrowNo;
    });
    return chosen;
}

}  // namespace

std::optional<int64_t> ParseInstant(std::string_view iso) {
    std::size_t at = 0;
    const auto year = Digits(iso, at, 4);
    if (!year || !Expect(iso, at, '-')) return std::nullopt;
    const auto month = Digits(iso, at, 2);
    if (!month || !Expect(iso, at, '-')) return std::nullopt;
    const auto day = Digits(iso, at, 2);
    if (!day || !(Expect(iso, at, 'T') || Expect(iso, at, ' '))) return std::nullopt;
    const auto hour = Digits(iso, at, 2);
    if (!hour || !Expect(iso, at, ':')) return std::nullopt;
    const auto minute = Digits(iso, at, 2);
    if (!minute || !Expect(iso, at, ':')) return std::nullopt;
    const auto second = Digits(iso, at, 2);
    if (!second) return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || *day > 31 || *hour > 23 || *minute > 59 ||
        *second > 60) {
        return std::nullopt;
    }
    if (Expect(iso, at, '.')) {
        while (at < iso.size() && iso[at] >= '0' && iso[at] <= '9') ++at;
    }
    int64_t offsetMinutes = 0;
    if (!Expect(iso, at, 'Z')) {
        if (at >= iso.size() || (iso[at] != '+' && iso[at] != '-')) return std::nullopt;
        const int sign = iso[at] == '-' ? -1 : 1;
        ++at;
        const auto offsetHours = Digits(iso, at, 2);
        Expect(iso, at, ':');
        const auto offsetMins = Digits(iso, at, 2);
        if (!offsetHours || !offsetMins || *offsetHours > 23 || *offsetMins > 59) {
            return std::nullopt;
        }
        offsetMinutes = sign * (*offsetHours * 60 + *offsetMins);
    }
    if (at != iso.size()) return std::nullopt;
    const int64_t days = DaysFromCivil(*year, *month, *day);
    return days * 86400 + *hour * 3600 + *minute * 60 + *second - offsetMinutes * 60;
}

std::vector<int64_t> MatchesByStart(const std::vector<MatchRecord>& matches) {
    struct Keyed {
        int64_t instant;
        int64_t id;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(matches.size());
    for (const MatchRecord& m : matches) {
        keyed.push_back(
            {ParseInstant(m.started).value_or(std::numeric_limits<int64_t>::min()), m.id});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return a.instant != b.instant ? a.instant < b.instant : a.id < b.id;
    });
    std::vector<int64_t> ids;
    ids.reserve(keyed.size());
    for (const Keyed& k : keyed) ids.push_back(k.id);
    return ids;
}

std::vector<std::size_t> SelectEnd(const std::vector<MatchRecord>& matches,
                                   const std::vector<ArrowRecord>& arrows, const Utf8Text& archer,
                                   int64_t matchId, int32_t distance, int32_t endNo) {
    return SelectInShootingOrder(matches, arrows, [&](const ArrowRecord& a) {
        return a.archer == archer && a.matchId == matchId && a.distance == distance &&
               a.endNo == endNo;
    });
}

std::vector<std::size_t> SelectMatchDistance(const std::vector<MatchRecord>& matches,
                                             const std::vector<ArrowRecord>& arrows,
                                             const Utf8Text& archer, int64_t matchId,
                                             int32_t distance) {
    return SelectInShootingOrder(matches, arrows, [&](const ArrowRecord& a) {
        return a.archer == archer && a.matchId == matchId && a.distance == distance;
    });
}

std::vector<std::size_t> SelectArcherDistance(const std::vector<MatchRecord>& matches,
                                              const std::vector<ArrowRecord>& arrows,
                                              const Utf8Text& archer, int32_t distance,
                                              std::optional<int32_t> lastMatches) {
    std::vector<std::size_t> chosen = SelectInShootingOrder(
        matches, arrows,
        [&](const ArrowRecord& a) { return a.archer == archer && a.distance == distance; });
    if (!lastMatches) return chosen;
    // The selection is in match order, so the last N matches are its tail.
    std::set<int64_t> kept;
    auto from = chosen.end();
    while (from != chosen.begin()) {
        const int64_t id = arrows[*std::prev(from)].matchId;
        if (!kept.contains(id)) {
            if (static_cast<int64_t>(kept.size()) >= std::max(*lastMatches, 0)) break;
            kept.insert(id);
        }
        --from;
    }
    return {from, chosen.end()};
}

std::vector<Utf8Text> ArchersIn(const std::vector<ArrowRecord>& arrows) {
    std::set<Utf8Text> names;
    for (const ArrowRecord& a : arrows) names.insert(a.archer);
    return {names.begin(), names.end()};
}

std::vector<int64_t> MatchesOf(const std::vector<MatchRecord>& matches,
                               const std::vector<ArrowRecord>& arrows, const Utf8Text& archer) {
    std::set<int64_t> shot;
    for (const ArrowRecord& a : arrows) {
        if (a.archer == archer) shot.insert(a.matchId);
    }
    std::vector<int64_t> ids;
    for (int64_t id : MatchesByStart(matches)) {
        if (shot.erase(id) != 0) ids.push_back(id);
    }
    // Arrows whose match is not listed still belong to a match of their own, shown last.
    ids.insert(ids.end(), shot.begin(), shot.end());
    return ids;
}

std::vector<int32_t> DistancesOf(const std::vector<ArrowRecord>& arrows, const Utf8Text& archer,
                                 std::optional<int64_t> matchId) {
    std::set<int32_t, std::greater<>> metres;  // longest first, as a round is shot
    for (const ArrowRecord& a : arrows) {
        if (a.archer == archer && (!matchId || a.matchId == *matchId)) metres.insert(a.distance);
    }
    return {metres.begin(), metres.end()};
}

std::vector<int32_t> EndsOf(const std::vector<ArrowRecord>& arrows, const Utf8Text& archer,
                            int64_t matchId, int32_t distance) {
    std::set<int32_t> ends;
    for (const ArrowRecord& a : arrows) {
        if (a.archer == archer && a.matchId == matchId && a.distance == distance) {
            ends.insert(a.endNo);
        }
    }
    return {ends.begin(), ends.end()};
}

void KeepWindShown(std::vector<std::size_t>& selection, const std::vector<ArrowRecord>& arrows,
                   WindShown shown) {
    if (shown == WindShown::All) return;
    std::erase_if(selection, [&](std::size_t i) {
        return (arrows[i].windSpeed > 0) != (shown == WindShown::Windy);
    });
}
