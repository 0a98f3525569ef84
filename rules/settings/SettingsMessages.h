#pragma once

#include <string_view>

// Told once when "nastaveni.ini" is there but cannot be used.
inline constexpr std::u8string_view kSettingsUnreadableCaption = u8"Nastavení";
inline constexpr std::u8string_view kSettingsUnreadableText =
    u8"Soubor nastaveni.ini nelze přečíst. Hra použije výchozí nastavení a soubor nezmění.";
