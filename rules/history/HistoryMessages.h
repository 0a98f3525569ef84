#pragma once

#include <string_view>

// Told once when the history cannot be stored.
inline constexpr std::u8string_view kHistoryNotSavedCaption = u8"Historie zápasů";
inline constexpr std::u8string_view kHistoryNotSavedText =
    u8"Historii zápasů nelze ukládat (složka hry je jen pro čtení, nebo je plný disk). Hra "
    u8"pokračuje bez ní.";
