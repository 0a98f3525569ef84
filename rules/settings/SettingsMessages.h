#pragma once

#include "rules/formats/GameText.h"

// Told once when "nastaveni.ini" is there but cannot be used, and once when it cannot be written.
inline constexpr const char* kSettingsCaption = QT_TRANSLATE_NOOP("GameText", "Nastavení");
inline constexpr const char* kSettingsUnreadableText =
    QT_TRANSLATE_NOOP("GameText",
                      "Soubor nastaveni.ini nelze přečíst. Hra použije výchozí nastavení a soubor "
                      "nezmění.");
inline constexpr const char* kSettingsNotSavedText =
    QT_TRANSLATE_NOOP("GameText",
                      "Soubor nastaveni.ini nelze zapsat. Změněné nastavení platí jen do konce "
                      "hry.");
