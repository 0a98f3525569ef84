#include <gtest/gtest.h>

#include <map>

#include "rules/settings/InterfaceLanguage.h"

namespace {

struct Case {
    std::map<std::string_view, std::string> environment;
    std::string chosen;
    std::string expected;
};

const std::vector<std::string> kSpoken = {"en"};

TEST(InterfaceLanguage, FollowsTheChoiceThenTheDesktopInLinuxOrder) {
    const Case cases[] = {
        // Nothing set, or locales that name no language: the game's own language.
        {{}, "", "cs"},
        {{{"LANG", ""}}, "", "cs"},
        {{{"LANG", "C"}}, "", "cs"},
        {{{"LANG", "C.UTF-8"}}, "", "cs"},
        {{{"LANG", "POSIX"}}, "", "cs"},
        {{{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", ""}}, "", "cs"},
        // Each variable alone.
        {{{"LANG", "en_GB.UTF-8"}}, "", "en"},
        {{{"LC_MESSAGES", "en_US"}}, "", "en"},
        {{{"LC_ALL", "en_US.UTF-8"}}, "", "en"},
        {{{"LANGUAGE", "en"}}, "", "en"},
        {{{"LANG", "cs_CZ.UTF-8"}}, "", "cs"},
        {{{"LANG", "sk_SK.UTF-8"}}, "", "cs"},
        {{{"LANG", "de_DE@euro"}}, "", "en"},
        {{{"LANG", "CS_cz"}}, "", "cs"},
        // Precedence: LANGUAGE, LC_ALL, LC_MESSAGES, LANG.
        {{{"LANGUAGE", "cs"}, {"LC_ALL", "en_US"}}, "", "cs"},
        {{{"LC_ALL", "sk_SK"}, {"LC_MESSAGES", "en_US"}, {"LANG", "en_US"}}, "", "cs"},
        {{{"LC_MESSAGES", "en_US"}, {"LANG", "cs_CZ"}}, "", "en"},
        {{{"LC_ALL", "C"}, {"LANG", "en_US"}}, "", "cs"},
        // LANGUAGE is a list: the first language spoken wins; Slovak means Czech; naming only
        // foreign languages means English; naming none leaves it to the locale.
        {{{"LANGUAGE", "de:en:cs"}}, "", "en"},
        {{{"LANGUAGE", "de:sk:en"}}, "", "cs"},
        {{{"LANGUAGE", "de:fr"}, {"LANG", "cs_CZ"}}, "", "en"},
        {{{"LANGUAGE", "C:"}, {"LANG", "en_US"}}, "", "en"},
        // The player's choice, when spoken, comes before the desktop.
        {{{"LANG", "en_US"}}, "cs", "cs"},
        {{{"LANG", "cs_CZ"}}, "en", "en"},
        {{{"LANG", "cs_CZ"}}, "de", "cs"},
        {{{"LANG", "de_AT"}}, "xx", "en"},
    };
    for (const Case& c : cases) {
        const EnvironmentLookup lookup = [&c](std::string_view name) -> std::optional<std::string> {
            const auto it = c.environment.find(name);
            if (it == c.environment.end()) return std::nullopt;
            return it->second;
        };
        std::string described = "chosen '" + c.chosen + "'";
        for (const auto& [name, value] : c.environment) {
            described += " " + std::string(name) + "=" + value;
        }
        EXPECT_EQ(InterfaceLanguage(c.chosen, lookup, kSpoken), c.expected) << described;
    }
}

TEST(InterfaceLanguage, ALanguageWithACatalogueIsSpokenWithoutFurtherCode) {
    const EnvironmentLookup german = [](std::string_view name) -> std::optional<std::string> {
        if (name == "LANG") return "de_DE.UTF-8";
        return std::nullopt;
    };
    EXPECT_EQ(InterfaceLanguage("", german, {"en", "de"}), "de");
    EXPECT_EQ(InterfaceLanguage("", german, {"en"}), "en");
}

}  // namespace
