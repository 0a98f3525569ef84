#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "rules/formats/EncodedText.h"

// Texts the rules hand to a window are written here in Czech, UTF-8, each marked with
// QT_TRANSLATE_NOOP("GameText", "...") so that lupdate puts it in the catalogue; the rules see
// no Qt, so the marker is defined here the way Qt defines it. The window translates a text it
// is given under the context "GameText" when it shows it; what the game writes to its files
// stays Czech whatever the player reads.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

inline constexpr const char* kGameTextContext = "GameText";

// A marked text as a message to show: its Czech source, which the window translates.
inline Utf8Text GameMessage(const char* marked) {
    return Utf8Text{std::string(marked)};
}

// The marked text as the game's files and messages hold it: cp1250, each "%1", "%2" ... filled
// with the number of its place.
std::string GameTextBytes(std::string_view marked);
std::string GameTextBytes(std::string_view marked, std::initializer_list<std::size_t> numbers);
