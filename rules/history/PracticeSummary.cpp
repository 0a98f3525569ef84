#include "rules/history/PracticeSummary.h"

#include "rules/match/Scoring.h"

PracticeSummary SummarisePractice(const PracticeSession& session) {
    PracticeSummary s;
    s.distance = session.distance();
    s.endTotals = session.endTotals();
    s.endWinds = session.endWinds();
    s.total = session.total();
    std::vector<Point> hits;
    int32_t lost = 0;
    for (const PracticeArrow& a : session.closedArrows()) {
        ++s.arrows;
        s.tens += a.score == kTenScore;
        s.nines += a.score == kNineScore;
        s.misses += a.score == 0;
        if (a.hit) {
            hits.push_back(*a.hit);
        } else {
            ++lost;
        }
    }
    if (s.arrows > 0) s.averagePerArrow = static_cast<double>(s.total) / s.arrows;
    s.group = AnalyseGroup(hits, s.distance);
    CountLostArrows(s.group, lost);
    return s;
}
