#pragma once

#include <cstdint>
#include <string>

// How the history names a round type (1..4), in UTF-8: "VEXA" or "VEXA Kr.", "muži" or "ženy".
// Empty for a round type the game does not know.
std::string RoundName(int32_t roundType);
std::string DivisionName(int32_t roundType);
// "VEXA Kr. muži"
std::string RoundTitle(int32_t roundType);
// The round name of a practice session: "Trénink 30 m".
std::string PracticeRoundName(int32_t metres);
// The round name of a bracket shot head to head: "Souboje 70 m".
std::string MatchplayRoundName(int32_t metres);
