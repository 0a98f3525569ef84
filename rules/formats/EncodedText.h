#pragma once

#include <compare>
#include <concepts>
#include <string>
#include <string_view>
#include <utility>

struct Cp1250Encoding;
struct Utf8Encoding;

// Text whose bytes are in one known encoding. Two encodings make two types, so that text of one
// cannot be passed where the other is meant. The explicit constructor states what some bytes
// already are; ToUtf8 and ToCp1250 (Utf8.h) are the ways from one encoding to the other.
template <class Encoding>
class EncodedText {
  public:
    EncodedText() = default;
    explicit EncodedText(std::string bytes) : bytes_(std::move(bytes)) {}
    // A u8"" literal is UTF-8 by its type.
    EncodedText(std::u8string_view text) requires std::same_as<Encoding, Utf8Encoding>
        : bytes_(text.begin(), text.end()) {}
    EncodedText(const char8_t* text) requires std::same_as<Encoding, Utf8Encoding>
        : EncodedText(std::u8string_view(text)) {}

    const std::string& bytes() const { return bytes_; }
    bool empty() const { return bytes_.empty(); }

    friend bool operator==(const EncodedText&, const EncodedText&) = default;
    friend auto operator<=>(const EncodedText&, const EncodedText&) = default;

  private:
    std::string bytes_;
};

// The game's code page: what its own files and the match state hold.
using Cp1250Text = EncodedText<Cp1250Encoding>;
// What is kept outside the game's own files (the match history) and the messages shown.
using Utf8Text = EncodedText<Utf8Encoding>;
