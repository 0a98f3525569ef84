#pragma once

// Told once when the history cannot be stored (cp1250): "Historie zápasů" /
// "Historii zápasů nelze ukládat (složka hry je jen pro čtení, nebo je plný disk). Hra
// pokračuje bez ní."
inline constexpr const char* kHistoryNotSavedCaption = "Historie z\xe1pas\xf9";
inline constexpr const char* kHistoryNotSavedText =
    "Historii z\xe1pas\xf9 nelze ukl\xe1"
    "dat (slo\x9eka hry je jen pro \xe8ten\xed, nebo je "
    "pln\xfd disk). Hra pokra\xe8uje bez n\xed.";
