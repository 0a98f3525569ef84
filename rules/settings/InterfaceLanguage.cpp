#include "rules/settings/InterfaceLanguage.h"

#include <algorithm>

namespace {

bool speaks(const std::vector<std::string>& spoken, std::string_view language) {
    return language == kSourceLanguage || std::ranges::find(spoken, language) != spoken.end();
}

std::vector<std::string_view> preferences(std::string_view list) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t colon = list.find(':');
        parts.push_back(list.substr(0, colon));
        if (colon == std::string_view::npos) return parts;
        list.remove_prefix(colon + 1);
    }
}

}  // namespace

std::string LocaleLanguage(std::string_view locale) {
    const std::size_t end = locale.find_first_of("_.@");
    std::string language(locale.substr(0, end));
    std::ranges::transform(language, language.begin(),
                           [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    if (language == "c" || language == "posix") return {};
    return language;
}

std::string DesktopLanguage(const EnvironmentLookup& environment,
                            const std::vector<std::string>& spoken) {
    for (std::string_view variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::optional<std::string> value = environment(variable);
        if (!value || value->empty()) continue;
        bool namesLanguage = false;
        for (std::string_view preference : preferences(*value)) {
            const std::string language = LocaleLanguage(preference);
            if (language.empty()) continue;
            namesLanguage = true;
            if (speaks(spoken, language)) return language;
            if (language == "sk") return std::string(kSourceLanguage);
        }
        if (namesLanguage) return std::string(kForeignerLanguage);
        // LANGUAGE lists preferences only; a locale variable of its own decides, C as well.
        if (variable != "LANGUAGE") return std::string(kSourceLanguage);
    }
    return std::string(kSourceLanguage);
}

std::string InterfaceLanguage(const std::string& chosen, const EnvironmentLookup& environment,
                              const std::vector<std::string>& spoken) {
    if (!chosen.empty() && speaks(spoken, chosen)) return chosen;
    return DesktopLanguage(environment, spoken);
}
