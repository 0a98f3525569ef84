#pragma once

#include <functional>
#include <string>

#include "rules/match/MatchState.h"
#include "rules/match/Rounds.h"
#include "rules/results/Rekordy.h"

// Shows one congratulation (cp1250 text) and returns once the player has confirmed it.
using Congratulate = std::function<void(const std::string& text)>;

// Index in RecordTable of a division's first record. Each division has one record per
// distance of its full round, in the round's order, and then one of the round's total; the
// men's come first.
std::size_t FirstRecordOf(Division division);

// The records update of each results view, on the ranking the distance's end made: reads
// "records.dat" (or starts from unset records when it is missing or short), lets the best
// ranked named human beat the records of the division one by one, each success congratulated
// before the next check, the full-round total only once the match is over, and always writes
// the file back. A file that is there but cannot be read is neither checked nor written.
void UpdateRecords(const MatchState& state, RecordTable& records, FileStore& files,
                   const Congratulate& congratulate);
