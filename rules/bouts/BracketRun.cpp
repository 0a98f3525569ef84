#include "rules/bouts/BracketRun.h"

#include <cmath>

#include "rules/bouts/ComputerArcher.h"
#include "rules/handicap/Handicap.h"
#include "rules/match/Scoring.h"

namespace {

// Where an arrow the clock took away is taken to lie: no nearer than any hit of the picture.
constexpr Point kUnshotHit{0, 0};

LoggedShootOffArrow ShootOffArrowOf(const BoutArrow& arrow) {
    return {arrow.score, std::sqrt(static_cast<double>(SquaredDistanceFromCentre(arrow.hit)))};
}

Point ScopePointOf(const BoutArrow& arrow) {
    int32_t x = arrow.hit.x;
    int32_t y = arrow.hit.y;
    ScoreHit(100, kBoutDistance, x, y);
    return {x, y};
}

}  // namespace

BracketRun::BracketRun(std::vector<BoutEntrant> seeded, int32_t size, Random& random,
                       BracketScreen& screen, BoutLog& log)
    : entrants_(std::move(seeded)),
      bracket_(size, static_cast<int32_t>(entrants_.size())),
      playerSeed_(HumanSeed(entrants_)),
      random_(random),
      screen_(screen),
      log_(log) {}

bool BracketRun::begin() {
    shootComputerBouts();
    return nextPlayerBout();
}

bool BracketRun::nextPlayerBout() {
    bout_ = playerSeed_ ? bracket_.nextBoutOf(*playerSeed_) : std::nullopt;
    if (!bout_) {
        shootComputerBouts();
        return false;
    }
    score_ = BoutScore{};
    boutFirstEnd_ = endsShot_ + 1;
    return true;
}

void BracketRun::shootComputerBouts() {
    while (const std::optional<BoutRef> next = bracket_.nextBout()) {
        const BracketBout& b = bracket_.bout(*next);
        if (b.first == playerSeed_ || b.second == playerSeed_) return;
        const BoutEntrant& first = entrants_[static_cast<std::size_t>(*b.first - 1)];
        const BoutEntrant& second = entrants_[static_cast<std::size_t>(*b.second - 1)];
        bracket_.decide(*next, ShootComputerBout(*first.handicap, *second.handicap, random_));
    }
}

bool BracketRun::playerFirst() const {
    return bracket_.bout(*bout_).first == playerSeed_;
}

const BoutEntrant& BracketRun::opponent() const {
    const BracketBout& b = bracket_.bout(*bout_);
    return entrants_[static_cast<std::size_t>((playerFirst() ? *b.second : *b.first) - 1)];
}

int32_t BracketRun::endClosed(std::span<const PracticeArrow> end) {
    ++endsShot_;
    if (!bout_) return 0;
    const double handicap = opponent().handicap.value_or(kWorstHandicap);
    const bool shootOff = score_.inShootOff();
    std::vector<BoutArrow> theirs;
    std::vector<Point> markers;
    SetTotals totals;  // the player's first
    for (const PracticeArrow& arrow : end) {
        theirs.push_back(DrawArrow(handicap, random_));
        markers.push_back(ScopePointOf(theirs.back()));
        totals.first += arrow.score;
        totals.second += theirs.back().score;
    }
    screen_.showOpponentArrows(markers);

    const auto ordered = [this](SetTotals mine) {
        return playerFirst() ? mine : SetTotals{mine.second, mine.first};
    };
    if (shootOff && !end.empty()) {
        const BoutArrow mine{end.front().score, end.front().hit.value_or(kUnshotHit)};
        score_.addShootOff(playerFirst() ? ShootOffPair{mine, theirs.front()}
                                         : ShootOffPair{theirs.front(), mine});
    } else {
        score_.addSet(ordered(totals));
    }
    screen_.showSetLine(SetLine{.set = shootOff ? 0 : static_cast<int32_t>(score_.sets().size()),
                                .totals = totals,
                                .points = ordered(score_.setPoints())});
    if (!score_.winner()) return score_.arrowsNext();

    finishPlayerBout();
    shootComputerBouts();
    if (!nextPlayerBout()) {
        log_.bracketPlaced(*playerPlace());
        return 0;
    }
    screen_.showBracket(view());
    return kArrowsPerSet;
}

void BracketRun::finishPlayerBout() {
    const BoutEntrant& player = entrants_[static_cast<std::size_t>(*playerSeed_ - 1)];
    const BoutEntrant& them = opponent();
    const bool first = playerFirst();
    const auto mine = [first](SetTotals t) { return first ? t : SetTotals{t.second, t.first}; };
    LoggedBout logged{.round = BracketRoundName(bracket_.stages()[bout_->stage].round),
                      .archer = Cp1250Text{player.name},
                      .club = Cp1250Text{player.club},
                      .opponent = Cp1250Text{them.name},
                      .opponentClub = Cp1250Text{them.club},
                      .handicap = player.handicap,
                      .opponentHandicap = them.handicap.value_or(kWorstHandicap),
                      .sets = {},
                      .setPoints = mine(score_.setPoints()),
                      .shootOff = {},
                      .won = score_.winner() == (first ? BoutSide::First : BoutSide::Second),
                      .firstEnd = boutFirstEnd_,
                      .lastEnd = endsShot_};
    for (const SetTotals& set : score_.sets()) {
        logged.sets.push_back({mine(set), mine(SetPointsOf(set))});
    }
    for (const ShootOffPair& pair : score_.shootOff()) {
        const BoutArrow& own = first ? pair.first : pair.second;
        const BoutArrow& other = first ? pair.second : pair.first;
        logged.shootOff.emplace_back(ShootOffArrowOf(own), ShootOffArrowOf(other));
    }
    log_.boutDecided(logged);
    bracket_.decide(*bout_, score_);
}

void BracketRun::endBegins() {
    screen_.showOpponentArrows({});
    if (score_.sets().empty()) screen_.showSetLine(std::nullopt);
}

void BracketRun::shootOver() {
    screen_.showBracket(view());
}

std::optional<int32_t> BracketRun::playerPlace() const {
    if (!playerSeed_ || !bracket_.finished()) return std::nullopt;
    return bracket_.finalPlaces()[static_cast<std::size_t>(*playerSeed_ - 1)];
}
