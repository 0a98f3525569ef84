#pragma once

#include <string>
#include <string_view>

#include "rules/competitors/CompetitorRecord.h"

// The readable source of a default competitor file: UTF-8 text, one competitor a line,
//     Příjmení, Jméno;Klub;p90/70;p70/60;p50;p30
// blank lines and lines starting with '#' ignored. Slots are filled in line order.
// Throws GenerateError naming the source and line of the first line that will not do: a line
// that does not parse, a name over 30 or a club over 20 cp1250 characters, a character cp1250
// lacks, a performance value outside what the editor offers, a repeated name, or more lines
// than the table has slots.
CompetitorTable parseCompetitorList(std::string_view utf8, const std::string& sourceName);

inline constexpr int32_t kMinPerformance = 5;  // the editor's range
inline constexpr int32_t kMaxPerformance = 94;
