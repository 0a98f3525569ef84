#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "rules/history/HistoryRecords.h"

// Which recorded arrows a plot of hits shows. Every selection is of one archer (the UTF-8 name
// as recorded) and returns indices into the arrows it was given, in shooting order: by the
// start of the match, then end, then arrow.

// The moment an ISO 8601 time with its offset ("2026-05-12T14:03:00+02:00", "...Z") stands for,
// in seconds since 1970 UTC; nothing for text that is no such time.
std::optional<int64_t> ParseInstant(std::string_view iso);

// Ids of the matches in order of their start: by the moment they started, whatever the local
// offset then was; a start that cannot be read counts as the earliest; ties by id.
std::vector<int64_t> MatchesByStart(const std::vector<MatchRecord>& matches);

std::vector<std::size_t> SelectEnd(const std::vector<MatchRecord>& matches,
                                   const std::vector<ArrowRecord>& arrows, const Utf8Text& archer,
                                   int64_t matchId, int32_t distance, int32_t endNo);
std::vector<std::size_t> SelectMatchDistance(const std::vector<MatchRecord>& matches,
                                             const std::vector<ArrowRecord>& arrows,
                                             const Utf8Text& archer, int64_t matchId,
                                             int32_t distance);
// With `lastMatches`, only the archer's last that many matches in which they shot at
// `distance`.
std::vector<std::size_t> SelectArcherDistance(const std::vector<MatchRecord>& matches,
                                              const std::vector<ArrowRecord>& arrows,
                                              const Utf8Text& archer, int32_t distance,
                                              std::optional<int32_t> lastMatches);

// The arrows of a selection by the wind they were shot in: all of them, those shot in calm, or
// those shot in wind. The order stays.
enum class WindShown { All, Calm, Windy };
void KeepWindShown(std::vector<std::size_t>& selection, const std::vector<ArrowRecord>& arrows,
                   WindShown shown);

// What there is to choose from: archers in name order; an archer's matches in order of start,
// those missing from `matches` last; the distances they shot (in one match, or in any), longest
// first; the ends of a distance.
std::vector<Utf8Text> ArchersIn(const std::vector<ArrowRecord>& arrows);
std::vector<int64_t> MatchesOf(const std::vector<MatchRecord>& matches,
                               const std::vector<ArrowRecord>& arrows, const Utf8Text& archer);
std::vector<int32_t> DistancesOf(const std::vector<ArrowRecord>& arrows, const Utf8Text& archer,
                                 std::optional<int64_t> matchId);
std::vector<int32_t> EndsOf(const std::vector<ArrowRecord>& arrows, const Utf8Text& archer,
                            int64_t matchId, int32_t distance);
