#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Which language the interface speaks. Czech is the game's own language, the source of every
// text: it needs no catalogue and is spoken whenever nothing else is asked for.

inline constexpr std::string_view kSourceLanguage = "cs";
// Spoken for a desktop language the game has no catalogue for.
inline constexpr std::string_view kForeignerLanguage = "en";

// A variable of the player's environment by name; nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The language of one locale name such as "cs_CZ.UTF-8" or "en@euro": its lower-case language
// code, empty for the locales that name no language ("C", "C.UTF-8", "POSIX", "").
std::string LocaleLanguage(std::string_view locale);

// The language the desktop asks for, as Linux programs read it: LANGUAGE (a colon-separated
// list of preferences), then LC_ALL, LC_MESSAGES and LANG; the first that names a language
// decides. A language the game speaks (one of `spoken`) is taken; Slovak readers get Czech;
// any other language gets English; no language at all gets Czech.
std::string DesktopLanguage(const EnvironmentLookup& environment,
                            const std::vector<std::string>& spoken);

// The language of the interface: the player's choice ("jazyk" in the settings) when the game
// speaks it, else the desktop's.
std::string InterfaceLanguage(const std::string& chosen, const EnvironmentLookup& environment,
                              const std::vector<std::string>& spoken);
