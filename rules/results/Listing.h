#pragma once

#include <cstdint>
#include <string>

#include "rules/competitors/CompetitorRecord.h"
#include "rules/formats/GameText.h"
#include "rules/match/MatchState.h"
#include "rules/match/Rounds.h"

inline constexpr std::size_t kListingLineLength = 76;
inline constexpr std::size_t kListingHeaderLength = 77;

// The heads before and after the distances' columns. A window shows them translated in the
// same columns; what the game writes stays Czech.
inline constexpr const char* kListingNameHead =
    QT_TRANSLATE_NOOP("GameText", "Poř. Příjmení, jméno");
inline constexpr const char* kListingTotalsHead =
    QT_TRANSLATE_NOOP("GameText", "H.   10   9    Celkem");

// The column heads of the round's division, cp1250: the distances of the division's full
// round, whichever of its rounds is shot.
std::string ListingHeader(const Round& round);

// One ranked competitor as a line of exactly 76 bytes: rank, name, the four distances, hits,
// tens, nines and total, each field cut or blank-filled to its stop column.
std::string ListingLine(int32_t rank, const CompetitorRecord& competitor, const ScoreRecord& score,
                        const Round& round);
