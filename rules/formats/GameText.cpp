#include "rules/formats/GameText.h"

#include "rules/formats/Utf8.h"

std::string GameTextBytes(std::string_view marked) {
    return ToCp1250(Utf8Text{std::string(marked)}).bytes();
}

std::string GameTextBytes(std::string_view marked, std::initializer_list<std::size_t> numbers) {
    std::string text = ToCp1250(Utf8Text{std::string(marked)}).bytes();
    std::size_t place = 1;
    for (std::size_t number : numbers) {
        const std::string marker = "%" + std::to_string(place++);
        const std::string value = std::to_string(number);
        for (std::size_t at = text.find(marker); at != std::string::npos;
             at = text.find(marker, at + value.size())) {
            text.replace(at, marker.size(), value);
        }
    }
    return text;
}
