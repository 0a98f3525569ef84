#include "rules/formats/Bytes.h"

void appendInt32LE(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(value >> shift));
}

uint32_t readUInt32LE(std::string_view bytes, std::size_t offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) |
                static_cast<unsigned char>(bytes.at(offset + static_cast<std::size_t>(i)));
    }
    return value;
}

void appendTextField(std::string& out, std::string_view text, std::size_t width) {
    text = text.substr(0, text.find('\0'));
    text = text.substr(0, width);
    out.append(text);
    out.append(width - text.size(), '\0');
}

std::string readTextField(std::string_view bytes, std::size_t offset, std::size_t width) {
    std::string_view field = bytes.substr(offset, width);
    return std::string(field.substr(0, field.find('\0')));
}
