#pragma once

#include "rules/formats/GameText.h"

// Told once when the history cannot be stored.
inline constexpr const char* kHistoryNotSavedCaption =
    QT_TRANSLATE_NOOP("GameText", "Historie zápasů");
inline constexpr const char* kHistoryNotSavedText =
    QT_TRANSLATE_NOOP("GameText",
                      "Historii zápasů nelze ukládat (složka hry je jen pro čtení, nebo je plný "
                      "disk). Hra pokračuje bez ní.");
