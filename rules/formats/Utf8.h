#pragma once

#include "rules/formats/EncodedText.h"

// Game text as UTF-8, for what is kept outside the game's own files (the match history).
// Every cp1250 byte has a character, so this never fails.
Utf8Text ToUtf8(const Cp1250Text& text);
// The game's own text of UTF-8 text (the texts marked for translation are UTF-8); a character
// the code page cannot hold becomes "?".
Cp1250Text ToCp1250(const Utf8Text& text);
