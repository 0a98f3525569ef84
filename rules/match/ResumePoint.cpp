#include "rules/match/ResumePoint.h"

#include <limits>
#include <map>
#include <utility>

#include "rules/formats/Utf8.h"
#include "rules/formats/Varint.h"

namespace {

constexpr std::string_view kMagic = "VXR";
constexpr char kFormat = 1;
constexpr uint64_t kResultsShowing = 1;
constexpr uint64_t kFieldPerformance = 2;
constexpr int32_t kMostEndSum = kMaxArrowsPerEnd * kTenScore;

// Every counter of a score record, in the order they are stored.
constexpr std::array<int32_t ScoreRecord::*, 8> kCounters = {
    &ScoreRecord::Tens,    &ScoreRecord::Nines,   &ScoreRecord::Misses,  &ScoreRecord::Score30,
    &ScoreRecord::Score50, &ScoreRecord::Score60, &ScoreRecord::Score70, &ScoreRecord::Score90};

ResumePoint pointOf(const MatchState& state, const ScoreTable& startScores) {
    return {.roundType = state.RoundType,
            .difficulty = state.Difficulty,
            .sight = state.SightPicture,
            .competitors = state.Competitors,
            .fieldPerformance = state.FieldPerformance,
            .scores = state.Scores,
            .distanceStartScores = startScores,
            .distance = state.Distance,
            .endNumber = state.EndNumber,
            .competitor = state.CurrentCompetitor};
}

bool isBlank(const ResumePoint& p, std::size_t slot) {
    return p.competitors[slot] == CompetitorRecord{} && p.scores[slot] == ScoreRecord{} &&
           p.distanceStartScores[slot] == ScoreRecord{} &&
           (!p.fieldPerformance || (*p.fieldPerformance)[slot] == std::array<int32_t, 4>{});
}

void appendText(std::string& out, const std::string& text) {
    appendVarint(out, text.size());
    out += text;
}

void appendScores(std::string& out, const ScoreRecord& score) {
    for (int32_t ScoreRecord::*counter : kCounters) appendSignedVarint(out, score.*counter);
}

// Reads the fields in order; the first that fails leaves `ok` false and every later read
// returns nothing.
class Reader {
  public:
    explicit Reader(std::string_view bytes, std::size_t at) : bytes_(bytes), at_(at) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return ok_ && at_ == bytes_.size(); }

    int32_t number(int64_t lowest, int64_t highest) {
        const std::optional<int64_t> value = ok_ ? readSignedVarint(bytes_, at_) : std::nullopt;
        return checked(value, lowest, highest);
    }
    int32_t count(int64_t highest) {
        const std::optional<uint64_t> value = ok_ ? readVarint(bytes_, at_) : std::nullopt;
        if (value && *value > static_cast<uint64_t>(highest)) return fail();
        return checked(value ? std::optional<int64_t>(static_cast<int64_t>(*value)) : std::nullopt,
                       0, highest);
    }
    std::string text(std::size_t longest) {
        const auto size = static_cast<std::size_t>(count(static_cast<int64_t>(longest)));
        if (!ok_ || bytes_.size() - at_ < size) {
            fail();
            return {};
        }
        std::string text(bytes_.substr(at_, size));
        at_ += size;
        if (text.find('\0') != std::string::npos) fail();
        return text;
    }
    ScoreRecord scores() {
        ScoreRecord score;
        for (int32_t ScoreRecord::*counter : kCounters)
            score.*counter = number(0, std::numeric_limits<int32_t>::max());
        return score;
    }

  private:
    int32_t checked(std::optional<int64_t> value, int64_t lowest, int64_t highest) {
        if (!value || *value < lowest || *value > highest) return fail();
        return static_cast<int32_t>(*value);
    }
    int32_t fail() {
        ok_ = false;
        return 0;
    }

    std::string_view bytes_;
    std::size_t at_;
    bool ok_ = true;
};

// The arrows a slot has shot when the match stands at the point's turn.
int64_t arrowsShotBy(const ResumePoint& p, const Round& round, int32_t slot) {
    int64_t arrows = 0;
    for (const DistanceStage& stage : round.stages()) {
        if (stage.metres() != p.distance) {
            arrows += stage.arrows();
            continue;
        }
        arrows += int64_t{std::min(p.endNumber - 1, stage.ends)} * stage.arrowsPerEnd;
        if (p.endNumber <= stage.ends && slot < p.competitor) arrows += stage.arrowsPerEnd;
        break;
    }
    return arrows;
}

bool makesSense(const ResumePoint& p) {
    const std::optional<Round> round = findRound(p.roundType);
    if (!round) return false;
    const std::optional<DistanceStage> stage = round->stageAt(p.distance);
    if (!stage || p.endNumber > stage->closingEndNumber()) return false;
    if (!IsHumanArcher(p.competitors[static_cast<std::size_t>(p.competitor)])) return false;
    // Results are shown on the way into a distance, never into the first.
    return !p.resultsShowing ||
           (p.endNumber == 1 && stage->metres() != round->stages().front().metres());
}

}  // namespace

ResumePoint ResumePointAfterEnd(const MatchState& state, const ScoreTable& startScores,
                                int32_t endSum) {
    ResumePoint point = pointOf(state, startScores);
    point.lastEndSum = endSum;
    // The turn passes on as the next-arrow action will pass it.
    ++point.competitor;
    if (FindNextHuman(state.Competitors, point.competitor)) ++point.endNumber;
    return point;
}

ResumePoint ResumePointAtDistanceStart(const MatchState& state, const ScoreTable& startScores,
                                       int32_t lastEndSum, bool resultsShowing) {
    ResumePoint point = pointOf(state, startScores);
    point.lastEndSum = lastEndSum;
    point.resultsShowing = resultsShowing;
    return point;
}

std::string EncodeResumePoint(const ResumePoint& p) {
    std::string out(kMagic);
    out.push_back(kFormat);
    for (int32_t value :
         {p.roundType, p.difficulty, p.sight, p.distance, p.endNumber, p.competitor, p.lastEndSum})
        appendSignedVarint(out, value);
    appendVarint(out, (p.resultsShowing ? kResultsShowing : 0) |
                          (p.fieldPerformance ? kFieldPerformance : 0));
    std::vector<std::size_t> slots;
    for (std::size_t slot = 0; slot < p.competitors.size(); ++slot)
        if (!isBlank(p, slot)) slots.push_back(slot);
    appendVarint(out, slots.size());
    for (std::size_t slot : slots) {
        const CompetitorRecord& c = p.competitors[slot];
        appendVarint(out, slot);
        appendText(out, c.Name);
        appendText(out, c.Club);
        appendVarint(out, c.IsComputer ? 1 : 0);
        for (int32_t value : c.Performance) appendSignedVarint(out, value);
        if (p.fieldPerformance)
            for (int32_t value : (*p.fieldPerformance)[slot]) appendSignedVarint(out, value);
        appendScores(out, p.scores[slot]);
        appendScores(out, p.distanceStartScores[slot]);
    }
    return out;
}

std::optional<ResumePoint> DecodeResumePoint(std::string_view bytes) {
    if (bytes.size() <= kMagic.size() || bytes.substr(0, kMagic.size()) != kMagic ||
        bytes[kMagic.size()] != kFormat)
        return std::nullopt;
    Reader in(bytes, kMagic.size() + 1);
    constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
    ResumePoint p;
    p.roundType = in.number(1, kInt32Max);
    p.difficulty = in.number(kDifficultyAmateur, kDifficultyBeginner);
    p.sight = in.number(0, 4);
    p.distance = in.number(1, kInt32Max);
    p.endNumber = in.number(1, kInt32Max);
    p.competitor = in.number(0, kCompetitorSlots - 1);
    p.lastEndSum = in.number(-1, kMostEndSum);
    const int32_t flags = in.count(kResultsShowing | kFieldPerformance);
    p.resultsShowing = (flags & kResultsShowing) != 0;
    if (flags & kFieldPerformance) p.fieldPerformance.emplace();
    const int32_t slots = in.count(kCompetitorSlots);
    int32_t previous = -1;
    for (int32_t i = 0; i < slots && in.ok(); ++i) {
        const int32_t slot = in.count(kCompetitorSlots - 1);
        if (slot <= previous) return std::nullopt;
        previous = slot;
        const auto at = static_cast<std::size_t>(slot);
        CompetitorRecord& c = p.competitors[at];
        c.Name = in.text(kNameLength);
        c.Club = in.text(kClubLength);
        c.IsComputer = in.count(1) != 0;
        for (int32_t& value : c.Performance) value = in.number(-kInt32Max, kInt32Max);
        if (p.fieldPerformance)
            for (int32_t& value : (*p.fieldPerformance)[at])
                value = in.number(-kInt32Max, kInt32Max);
        p.scores[at] = in.scores();
        p.distanceStartScores[at] = in.scores();
    }
    if (!in.atEnd() || !makesSense(p)) return std::nullopt;
    return p;
}

NextEnd NextEndOf(const ResumePoint& point) {
    const std::optional<Round> round = findRound(point.roundType);
    const std::optional<DistanceStage> stage =
        round ? round->stageAt(point.distance) : std::nullopt;
    if (!stage || point.endNumber <= stage->ends) return {point.distance, point.endNumber};
    if (const std::optional<DistanceStage> next = round->stageAfter(point.distance))
        return {next->metres(), 1};
    return {point.distance, stage->ends};
}

bool AgreesWithArrows(const ResumePoint& point, const std::vector<ArcherTally>& tallies) {
    const std::optional<Round> round = findRound(point.roundType);
    if (!round) return false;
    using Key = std::pair<Utf8Text, Utf8Text>;
    std::map<Key, std::pair<int64_t, int64_t>> expected, stored;
    for (int32_t slot = 0; slot < kCompetitorSlots; ++slot) {
        const CompetitorRecord& c = point.competitors[static_cast<std::size_t>(slot)];
        if (!IsHumanArcher(c)) continue;
        const int64_t arrows = arrowsShotBy(point, *round, slot);
        if (arrows == 0) continue;
        auto& [count, points] = expected[{ToUtf8(Cp1250Text{c.Name}), ToUtf8(Cp1250Text{c.Club})}];
        count += arrows;
        points += round->total(point.scores[static_cast<std::size_t>(slot)]);
    }
    for (const ArcherTally& t : tallies) {
        auto& [count, points] = stored[{t.archer, t.club}];
        count += t.arrows;
        points += t.points;
    }
    return expected == stored;
}
