#include "rules/controls/ControlHints.h"

#include <array>

namespace {

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

std::string FillControlHints(
    std::string_view html,
    const std::function<std::optional<std::string>(std::string_view, std::string_view)>& name) {
    constexpr std::array<std::string_view, 2> kAttributes = {"data-ovladani", "data-ovladac"};
    std::string out;
    std::size_t at = 0;
    while (at < html.size()) {
        // The nearest marker of either kind.
        std::size_t found = std::string_view::npos;
        std::string_view attribute;
        for (std::string_view a : kAttributes) {
            const std::size_t p = html.find(std::string(a) + "=\"", at);
            if (p < found) {
                found = p;
                attribute = a;
            }
        }
        if (found == std::string_view::npos) break;
        const std::size_t valueStart = found + attribute.size() + 2;
        const std::size_t valueEnd = html.find('"', valueStart);
        const std::size_t tagEnd =
            valueEnd == std::string_view::npos ? std::string_view::npos : html.find('>', valueEnd);
        const std::size_t textEnd =
            tagEnd == std::string_view::npos ? std::string_view::npos : html.find('<', tagEnd);
        if (textEnd == std::string_view::npos) break;
        const std::optional<std::string> text =
            name(attribute, html.substr(valueStart, valueEnd - valueStart));
        out.append(html.substr(at, tagEnd + 1 - at));
        out += text ? escaped(*text) : std::string(html.substr(tagEnd + 1, textEnd - tagEnd - 1));
        at = textEnd;
    }
    out.append(html.substr(at));
    return out;
}
