#include "platform/QtText.h"

#include "rules/formats/Cp1250.h"

QString fromCp1250(std::string_view bytes) {
    std::u16string text = decodeCp1250(bytes);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<std::string> toCp1250(const QString& text) {
    return encodeCp1250(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                            static_cast<std::size_t>(text.size())));
}

std::string cp1250(const QString& text) {
    return toCp1250(text).value_or(std::string());
}

QString fromUtf8(const Utf8Text& text) {
    return QString::fromStdString(text.bytes());
}

Utf8Text toUtf8(const QString& text) {
    return Utf8Text{text.toStdString()};
}
