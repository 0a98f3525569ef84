#pragma once

#include <functional>
#include <string>

#include "rules/match/MatchState.h"
#include "rules/results/Rekordy.h"

// Shows one congratulation (cp1250 text) and returns once the player has confirmed it.
using Congratulate = std::function<void(const std::string& text)>;

// Index in RecordTable of the first men's and the first women's record.
inline constexpr std::size_t kMenRecords = 0;
inline constexpr std::size_t kWomenRecords = 5;

// The records update that follows each ranking: reads "records.dat" (or starts from unset
// records when it is missing or short), lets the best ranked named human beat the records of
// the gender one by one, each success congratulated before the next check, the full-round
// total only once the match is over, and always writes the file back.
void UpdateRecords(const MatchState& state, RecordTable& records, FileStore& files,
                   const Congratulate& congratulate);
