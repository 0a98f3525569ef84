#pragma once

#include <cstdint>
#include <string>

#include "rules/competitors/CompetitorRecord.h"
#include "rules/match/MatchState.h"
#include "rules/match/Rounds.h"

inline constexpr std::size_t kListingLineLength = 76;
inline constexpr std::size_t kListingHeaderLength = 77;

// The column heads of the round's division, cp1250: the distances of the division's full
// round, whichever of its rounds is shot.
std::string ListingHeader(const Round& round);

// One ranked competitor as a line of exactly 76 bytes: rank, name, the four distances, hits,
// tens, nines and total, each field cut or blank-filled to its stop column.
std::string ListingLine(int32_t rank, const CompetitorRecord& competitor, const ScoreRecord& score,
                        const Round& round);
