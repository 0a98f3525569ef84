#include "rules/results/Listing.h"

#include "rules/formats/GameText.h"
#include "rules/match/Rounds.h"

namespace {

bool menRound(int32_t roundType) {
    return roundType == 1 || roundType == 3;
}

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

std::string ListingHeader(int32_t roundType) {
    // The heads at columns 37, 42, 47, 52, 57, 62, 67 and 72; a translation keeps the columns.
    return GameTextBytes(
        menRound(roundType)
            ? QT_TRANSLATE_NOOP("GameText",
                                "Poř. Příjmení, jméno                90   70   50   "
                                "30   H.   10   9    Celkem")
            : QT_TRANSLATE_NOOP("GameText",
                                "Poř. Příjmení, jméno                70   60   50   "
                                "30   H.   10   9    Celkem"));
}

std::string ListingLine(int32_t rank, const CompetitorRecord& competitor, const ScoreRecord& score,
                        int32_t roundType) {
    const RoundRules* round = findRound(roundType);
    const int32_t arrows = round ? round->arrows : 72;
    const bool men = menRound(roundType);
    std::string line;
    line.reserve(kListingLineLength);
    addField(line, std::to_string(rank) + ".", 5);
    addField(line, competitor.Name, 36);
    addNumber(line, men ? score.Score90 : score.Score70, 41);
    addNumber(line, men ? score.Score70 : score.Score60, 46);
    addNumber(line, score.Score50, 51);
    addNumber(line, score.Score30, 56);
    addNumber(line, hits(arrows, score.Misses), 61);
    addNumber(line, score.Tens, 66);
    addNumber(line, score.Nines, 71);
    addNumber(line, static_cast<int32_t>(RoundTotal(score, roundType)), 76);
    return line;
}
