#pragma once

#include <string>
#include <string_view>

// Game text as UTF-8, for what is kept outside the game's own files (the match history).
// Every cp1250 byte has a character, so this never fails.
std::string Cp1250ToUtf8(std::string_view bytes);
