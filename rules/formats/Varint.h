#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Variable-length integers of the history's compact blobs: seven bits a byte, low bits first,
// the high bit set on every byte but the last; signed values zig-zagged first, so that small
// numbers of either sign take one byte.
void appendVarint(std::string& out, uint64_t value);
void appendSignedVarint(std::string& out, int64_t value);

// Reads from `bytes` at `at`, moving `at` past what was read. Empty when the bytes end inside
// the number or it runs past 64 bits; `at` is then left where it was.
std::optional<uint64_t> readVarint(std::string_view bytes, std::size_t& at);
std::optional<int64_t> readSignedVarint(std::string_view bytes, std::size_t& at);
