#pragma once

#include <string>
#include <string_view>

// Game text as UTF-8, for what is kept outside the game's own files (the match history).
// Every cp1250 byte has a character, so this never fails.
std::string Cp1250ToUtf8(std::string_view bytes);
// The game's own text of a UTF-8 source text (the texts marked for translation are UTF-8);
// a character the code page cannot hold becomes "?".
std::string Utf8ToCp1250(std::string_view utf8);
