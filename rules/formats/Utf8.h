#pragma once

#include "rules/formats/EncodedText.h"

// Game text as UTF-8, for what is kept outside the game's own files (the match history).
// Every cp1250 byte has a character, so this never fails.
Utf8Text ToUtf8(const Cp1250Text& text);
