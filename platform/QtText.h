#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "rules/formats/EncodedText.h"

// The crossings between the rules' text and the windows' Unicode: the game's cp1250 bytes, and
// the UTF-8 of the history and the messages.
QString fromCp1250(std::string_view bytes);
// Nothing when the text holds a character that cp1250 cannot hold.
std::optional<std::string> toCp1250(const QString& text);
// For texts of the game's own that are known to fit the code page.
std::string cp1250(const QString& text);

QString fromUtf8(const Utf8Text& text);
Utf8Text toUtf8(const QString& text);
