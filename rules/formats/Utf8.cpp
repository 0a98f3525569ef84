#include "rules/formats/Utf8.h"

#include <utility>

#include "rules/formats/Cp1250.h"

Utf8Text ToUtf8(const Cp1250Text& text) {
    std::string out;
    out.reserve(text.bytes().size() * 2);
    // Every character of the code page lies in the Basic Multilingual Plane: three bytes at most.
    for (char16_t ch : decodeCp1250(text.bytes())) {
        if (ch < 0x80) {
            out.push_back(static_cast<char>(ch));
        } else if (ch < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
            out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
            out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
        }
    }
    return Utf8Text{std::move(out)};
}
