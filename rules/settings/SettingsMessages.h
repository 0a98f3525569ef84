#pragma once

// Told once when "nastaveni.ini" is there but cannot be used (cp1250): "Nastavení" /
// "Soubor nastaveni.ini nelze přečíst. Hra použije výchozí nastavení a soubor nezmění."
inline constexpr const char* kSettingsUnreadableCaption = "Nastaven\xed";
inline constexpr const char* kSettingsUnreadableText =
    "Soubor nastaveni.ini nelze p\xf8"
    "e\xe8\xedst. Hra pou\x9eije v\xfd"
    "choz\xed nastaven\xed a soubor nezm\xecn\xed.";
