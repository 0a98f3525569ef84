#pragma once

#include "rules/formats/GameText.h"

// Told once when "nastaveni.ini" is there but cannot be used.
inline constexpr const char* kSettingsUnreadableCaption =
    QT_TRANSLATE_NOOP("GameText", "Nastavení");
inline constexpr const char* kSettingsUnreadableText =
    QT_TRANSLATE_NOOP("GameText",
                      "Soubor nastaveni.ini nelze přečíst. Hra použije výchozí nastavení a soubor "
                      "nezmění.");
