#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Fixed-width fields of the game's binary files: little-endian integers, zero-padded texts.
void appendInt32LE(std::string& out, uint32_t value);
uint32_t readUInt32LE(std::string_view bytes, std::size_t offset);
// The text up to the first zero byte, cut to `width`, padded with zero bytes to `width`.
void appendTextField(std::string& out, std::string_view text, std::size_t width);
// The field's bytes up to the first zero byte, or all of them when there is none.
std::string readTextField(std::string_view bytes, std::size_t offset, std::size_t width);
