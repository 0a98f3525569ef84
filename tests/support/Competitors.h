#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/competitors/CompetitorRecord.h"
#include "rules/formats/Cp1250.h"

// A test's Czech text as the game holds it; the text must fit the code page.
inline std::string cp(std::u16string_view text) {
    return encodeCp1250(text).value();
}

// A table whose slots 0.. hold archers of the given names, the rest free.
inline CompetitorTable Field(const std::vector<std::string>& names,
                             std::array<int32_t, 4> performance = {50, 60, 70, 80},
                             const std::string& club = "LK Votice") {
    CompetitorTable table{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        table[i] = CompetitorRecord{.Name = names[i], .Club = club, .Performance = performance};
    }
    return table;
}

// One human archer alone, with middling values: enough for a match to aim in.
inline CompetitorTable OneArcher() {
    CompetitorTable table{};
    table[0] = {"Lukostrelec", "Klub", {60, 60, 60, 60}, false};
    return table;
}
