#pragma once

#include <span>
#include <vector>

#include "rules/history/History.h"

// The archers the practice dialog offers, one for each name the history knows, in the order of
// the names. An archer who has shot for more than one club practises for the one he shot for
// last: clubs change, and the old one is kept only in the old matches.
std::vector<ArcherKey> PracticeArchers(std::span<const KnownArcher> known);
