#include "rules/bouts/Bracket.h"

#include <algorithm>
#include <cstdlib>

#include "rules/bouts/Seeding.h"
#include "rules/formats/GameText.h"

namespace {

int32_t NearestBracketSize(int32_t size) {
    return *std::ranges::min_element(kBracketSizes, {}, [size](int32_t candidate) {
        return std::abs(int64_t{candidate} - size);
    });
}

BracketRound RoundOfBouts(std::size_t bouts) {
    switch (bouts) {
        case 16:
            return BracketRound::Last32;
        case 8:
            return BracketRound::Last16;
        case 4:
            return BracketRound::QuarterFinal;
        default:
            return BracketRound::SemiFinal;
    }
}

// The place of an archer who lost in an elimination round of `bouts` bouts: one after all who
// went further.
int32_t PlaceOfLoser(std::size_t bouts) {
    return static_cast<int32_t>(bouts) + 1;
}

}  // namespace

const char* BracketRoundName(BracketRound round) {
    switch (round) {
        case BracketRound::Last32:
            return QT_TRANSLATE_NOOP("GameText", "1/16");
        case BracketRound::Last16:
            return QT_TRANSLATE_NOOP("GameText", "1/8");
        case BracketRound::QuarterFinal:
            return QT_TRANSLATE_NOOP("GameText", "Čtvrtfinále");
        case BracketRound::SemiFinal:
            return QT_TRANSLATE_NOOP("GameText", "Semifinále");
        case BracketRound::BronzeMatch:
            return QT_TRANSLATE_NOOP("GameText", "O bronz");
        case BracketRound::Final:
            return QT_TRANSLATE_NOOP("GameText", "Finále");
    }
    return "";
}

std::optional<int32_t> BracketBout::winner() const {
    const std::optional<BoutSide> side = score.winner();
    if (!settled || !side) return std::nullopt;
    return *side == BoutSide::First ? first : second;
}

std::optional<int32_t> BracketBout::loser() const {
    const std::optional<BoutSide> side = score.winner();
    if (!settled || !side) return std::nullopt;
    return *side == BoutSide::First ? second : first;
}

Bracket::Bracket(int32_t size, int32_t entrants)
    : size_(NearestBracketSize(size)), entrants_(std::clamp(entrants, 0, size_)) {
    BracketStage first{RoundOfBouts(static_cast<std::size_t>(size_ / 2)), {}};
    for (const SeedPair& pair : FirstRoundPairs(size_)) {
        auto present = [this](int32_t seed) {
            return seed <= entrants_ ? std::optional<int32_t>(seed) : std::nullopt;
        };
        first.bouts.push_back({.first = present(pair.first), .second = present(pair.second)});
    }
    stages_.push_back(std::move(first));
    for (std::size_t bouts = stages_.back().bouts.size() / 2; bouts >= 2; bouts /= 2) {
        stages_.push_back({RoundOfBouts(bouts), std::vector<BracketBout>(bouts)});
    }
    stages_.push_back({BracketRound::BronzeMatch, std::vector<BracketBout>(1)});
    stages_.push_back({BracketRound::Final, std::vector<BracketBout>(1)});
    settle();
}

std::optional<int32_t> Bracket::archerFrom(std::size_t stage, std::size_t bout,
                                           BoutSide side) const {
    const std::size_t semiFinal = stages_.size() - 3;
    const std::size_t index = side == BoutSide::First ? 0 : 1;
    if (stage > semiFinal) {
        const BracketBout& semi = stages_[semiFinal].bouts[index];
        return stages_[stage].round == BracketRound::BronzeMatch ? semi.loser() : semi.winner();
    }
    return stages_[stage - 1].bouts[2 * bout + index].winner();
}

bool Bracket::ready(std::size_t stage, std::size_t bout) const {
    if (stage == 0) return true;
    const std::size_t semiFinal = stages_.size() - 3;
    const std::size_t feeding = stage > semiFinal ? semiFinal : stage - 1;
    const std::size_t from = stage > semiFinal ? 0 : 2 * bout;
    return stages_[feeding].bouts[from].settled && stages_[feeding].bouts[from + 1].settled;
}

void Bracket::settle() {
    for (std::size_t stage = 0; stage < stages_.size(); ++stage) {
        for (std::size_t index = 0; index < stages_[stage].bouts.size(); ++index) {
            BracketBout& b = stages_[stage].bouts[index];
            if (b.settled || !ready(stage, index)) continue;
            if (stage > 0) {
                b.first = archerFrom(stage, index, BoutSide::First);
                b.second = archerFrom(stage, index, BoutSide::Second);
            }
            if (b.first && b.second) continue;
            if (b.first) b.score.walkOver(BoutSide::First);
            if (b.second) b.score.walkOver(BoutSide::Second);
            b.settled = true;
        }
    }
}

std::optional<BoutRef> Bracket::nextBout() const {
    for (std::size_t stage = 0; stage < stages_.size(); ++stage) {
        for (std::size_t index = 0; index < stages_[stage].bouts.size(); ++index) {
            const BracketBout& b = stages_[stage].bouts[index];
            if (!b.settled && b.first && b.second) return BoutRef{stage, index};
        }
    }
    return std::nullopt;
}

std::optional<BoutRef> Bracket::nextBoutOf(int32_t seed) const {
    for (std::size_t stage = 0; stage < stages_.size(); ++stage) {
        for (std::size_t index = 0; index < stages_[stage].bouts.size(); ++index) {
            const BracketBout& b = stages_[stage].bouts[index];
            if (!b.settled && (b.first == seed || b.second == seed)) return BoutRef{stage, index};
        }
    }
    return std::nullopt;
}

void Bracket::decide(BoutRef where, const BoutScore& score) {
    BracketBout& b = stages_[where.stage].bouts[where.bout];
    if (b.settled || !b.first || !b.second || !score.winner()) return;
    b.score = score;
    b.settled = true;
    settle();
}

std::vector<int32_t> Bracket::finalPlaces() const {
    std::vector<int32_t> places(static_cast<std::size_t>(entrants_), 0);
    auto place = [&](std::optional<int32_t> seed, int32_t at) {
        if (seed) places[static_cast<std::size_t>(*seed - 1)] = at;
    };
    for (const BracketStage& stage : stages_) {
        for (const BracketBout& b : stage.bouts) {
            switch (stage.round) {
                case BracketRound::Final:
                    place(b.winner(), 1);
                    place(b.loser(), 2);
                    break;
                case BracketRound::BronzeMatch:
                    place(b.winner(), 3);
                    place(b.loser(), 4);
                    break;
                case BracketRound::SemiFinal:
                    break;
                default:
                    place(b.loser(), PlaceOfLoser(stage.bouts.size()));
            }
        }
    }
    return places;
}
