#pragma once

#include <cstdint>
#include <string>

#include "rules/competitors/CompetitorRecord.h"
#include "rules/match/MatchState.h"

inline constexpr std::size_t kListingLineLength = 76;
inline constexpr std::size_t kListingHeaderLength = 77;

// The column heads of the men's (round types 1 and 3) or the women's listing, cp1250.
std::string ListingHeader(int32_t roundType);

// One ranked competitor as a line of exactly 76 bytes: rank, name, the four distances, hits,
// tens, nines and total, each field cut or blank-filled to its stop column.
std::string ListingLine(int32_t rank, const CompetitorRecord& competitor, const ScoreRecord& score,
                        int32_t roundType);
