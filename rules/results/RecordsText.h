#pragma once

#include <string>
#include <vector>

#include "rules/results/Rekordy.h"

// The records view, line by line (cp1250): a title, the men's and then the women's records,
// "<label> - <name> - <score>" each, both genders whatever the round.
std::vector<std::string> RecordsLines(const RecordTable& records);
