#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// "Brantel2.ini": the window position and the difficulty, kept between runs.
struct Configuration {
    int32_t StoredLeft = 0;
    int32_t StoredTop = 0;
    int32_t Difficulty = 1;
};

// As much of the file as is read: the eight tokens take well under a hundred bytes, so only a
// file padded with kilobytes of white space could lose one.
inline constexpr std::size_t kConfigurationReadLimit = 4096;

// Reads the eight tokens "[Window] Left= n Top= n [Game] Difficult= n" separated by any white
// space; stops at the first token that does not fit and keeps the defaults from there on.
Configuration ReadConfiguration(std::string_view bytes);
// The six CR LF lines of the file.
std::string WriteConfiguration(int32_t left, int32_t top, int32_t difficulty);
