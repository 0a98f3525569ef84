#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// The one crossing between the game's cp1250 text and the windows' Unicode.
QString fromCp1250(std::string_view bytes);
// Nothing when the text holds a character that cp1250 cannot hold.
std::optional<std::string> toCp1250(const QString& text);
// For texts of the game's own that are known to fit the code page.
std::string cp1250(const QString& text);
