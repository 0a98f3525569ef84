#pragma once

#include <optional>
#include <string>
#include <string_view>

// The game's single-byte code page. Every byte has a character (the five bytes the code page
// leaves unassigned stand for the C1 control of the same number), so decoding never fails.
char16_t cp1250ToUnicode(unsigned char byte);
// The byte of a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> unicodeToCp1250(char16_t ch);

std::u16string decodeCp1250(std::string_view bytes);
// Nothing when any character of the text has no byte in the code page.
std::optional<std::string> encodeCp1250(std::u16string_view text);
