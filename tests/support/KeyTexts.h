#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/settings/KeyBindings.h"

// The toolkit's reading of a key text, for a handful of keys: ", " separates keys, an unknown
// name spoils the whole text.
inline std::optional<std::vector<KeyCode>> ReadKeyTexts(std::string_view text) {
    static const std::map<std::string, KeyCode, std::less<>> kNames = {
        {"Left", 1001}, {"Right", 1002}, {"Up", 1003},     {"Down", 1004},
        {"Space", 32},  {"A", 'A'},      {"S", 'S'},       {"D", 'D'},
        {"J", 'J'},     {"K", 'K'},      {"Alt", kKeyAlt}, {"F10", kKeyF10}};
    std::vector<KeyCode> keys;
    while (!text.empty()) {
        const std::size_t comma = text.find(", ");
        const auto name = kNames.find(text.substr(0, comma));
        if (name == kNames.end()) return std::nullopt;
        keys.push_back(name->second);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 2);
    }
    if (keys.empty()) return std::nullopt;
    return keys;
}
