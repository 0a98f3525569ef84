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

Cp1250Text ToCp1250(const Utf8Text& text) {
    const std::string& utf8 = text.bytes();
    std::u16string characters;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t ch = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
            ch = (ch << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        characters.push_back(ch < 0x10000 ? static_cast<char16_t>(ch) : u'?');
        i += length;
    }
    std::string bytes;
    for (char16_t ch : characters) {
        bytes.push_back(static_cast<char>(unicodeToCp1250(ch).value_or('?')));
    }
    return Cp1250Text{std::move(bytes)};
}
