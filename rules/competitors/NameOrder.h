#pragma once

#include <string_view>

// The order of the competitor list: Czech alphabetical order of cp1250 texts. Letters are
// compared first without accents and case, with "č", "ch", "ř", "š" and "ž" as letters of
// their own (so "Chalupa" follows "Hrubý"); then accents decide ("e" < "é" < "ě"), then case
// (small before capital), and last the bytes, so that different texts never tie.
bool NameLess(std::string_view a, std::string_view b);
