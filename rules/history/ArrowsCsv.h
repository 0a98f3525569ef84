#pragma once

#include <vector>

#include "rules/history/HistoryRecords.h"

// The arrows as a spreadsheet reads them: RFC 4180 CSV in UTF-8, CR LF line ends, a header row,
// one row per arrow with the match's start date and round but without the aiming path. Arrows
// of a match that is not in `matches` get an empty date and round.
Utf8Text ArrowsCsv(const std::vector<MatchRecord>& matches, const std::vector<ArrowRecord>& arrows);
