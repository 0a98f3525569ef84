#include "rules/results/Listing.h"

namespace {

// Each head or number of the listing takes this many columns.
constexpr std::size_t kColumnWidth = 5;
constexpr std::size_t kNameStop = 36;

// Appends the text and brings the line to `stop` bytes: blanks up to the stop, or the cut
// there when the text ran past it.
void addField(std::string& line, const std::string& text, std::size_t stop) {
    line += text;
    line.resize(stop, ' ');
}

void addNumber(std::string& line, int32_t value, std::size_t stop) {
    addField(line, std::to_string(value), stop);
}

// Arrows not yet shot count as hits: the round's arrows minus the misses so far. Counted in
// unsigned arithmetic, as the counters are compared, so that no count can overflow.
int32_t hits(int32_t arrows, int32_t misses) {
    return static_cast<int32_t>(static_cast<uint32_t>(arrows) - static_cast<uint32_t>(misses));
}

}  // namespace

std::string ListingHeader(const Round& round) {
    // The name's head, then each head at the column of its field.
    std::string header = GameTextBytes(kListingNameHead);
    header.resize(kNameStop, ' ');
    for (const DistanceStage& stage : FullRound(round.division).stages()) {
        addNumber(header, stage.metres(), header.size() + kColumnWidth);
    }
    return header + GameTextBytes(kListingTotalsHead);
}

std::string ListingLine(int32_t rank, const CompetitorRecord& competitor, const ScoreRecord& score,
                        const Round& round) {
    std::string line;
    line.reserve(kListingLineLength);
    addField(line, std::to_string(rank) + ".", 5);
    addField(line, competitor.Name, kNameStop);
    for (const DistanceStage& stage : FullRound(round.division).stages()) {
        addNumber(line, score.*stage.scoreField, line.size() + kColumnWidth);
    }
    for (int32_t value : {hits(round.arrows(), score.Misses), score.Tens, score.Nines,
                          static_cast<int32_t>(round.total(score))}) {
        addNumber(line, value, line.size() + kColumnWidth);
    }
    return line;
}
