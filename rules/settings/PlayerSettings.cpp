#include "rules/settings/PlayerSettings.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>

#include "rules/bouts/Seeding.h"
#include "rules/settings/KeyBindings.h"

namespace {

constexpr std::string_view kGame = "Hra";
constexpr std::string_view kWindow = "Okno";
constexpr std::string_view kSound = "Zvuk";
constexpr std::string_view kControls = "Ovladani";
constexpr std::string_view kPractice = "Trenink";
constexpr std::string_view kBouts = "Souboje";
constexpr std::string_view kMen = "muzi";
constexpr std::string_view kWomen = "zeny";

constexpr std::array<std::string_view, kControlActionCount> kControlKeys = {
    "vlevo", "vpravo", "nahoru", "dolu", "natahnout", "vystrelit", "dalsiSip"};

std::optional<int32_t> integer(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    int32_t value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

std::optional<bool> boolean(const std::optional<std::string>& text) {
    if (text == "true") return true;
    if (text == "false") return false;
    return std::nullopt;
}

template <std::size_t N>
int32_t nearest(const std::array<int32_t, N>& allowed, int32_t value) {
    return *std::min_element(allowed.begin(), allowed.end(), [value](int32_t a, int32_t b) {
        return std::llabs(int64_t{a} - value) < std::llabs(int64_t{b} - value);
    });
}

std::string text(bool value) {
    return value ? "true" : "false";
}

// Two or three lower-case letters; anything else is no language.
std::string languageCode(const std::optional<std::string>& value) {
    if (!value || value->size() < 2 || value->size() > 3) return {};
    const bool letters = std::ranges::all_of(*value, [](char c) { return c >= 'a' && c <= 'z'; });
    return letters ? *value : std::string();
}

}  // namespace

std::array<std::string, kControlActionCount> PlayerSettings::DefaultControls() {
    return {"Left", "Right", "Up", "Down", "A", "S", "D"};
}

std::string_view ControlKeyName(ControlAction action) {
    return kControlKeys[static_cast<std::size_t>(action)];
}

PlayerSettings ReadPlayerSettings(const IniText& ini) {
    PlayerSettings s;
    s.language = languageCode(ini.value(kGame, "jazyk"));
    s.fieldAtPlayerLevel = boolean(ini.value(kGame, "souperiPodleUrovne")).value_or(false);
    const std::optional<int32_t> wind = integer(ini.value(kGame, "vitr"));
    if (wind && *wind >= 0 && *wind < kWindLevelCount) s.wind = static_cast<WindLevel>(*wind);
    const std::optional<int32_t> scale = integer(ini.value(kWindow, "zvetseni"));
    s.windowScale =
        scale && std::ranges::find(kWindowScales, *scale) != kWindowScales.end() ? *scale : 100;
    s.fullScreen = boolean(ini.value(kWindow, "celaObrazovka")).value_or(false);
    if (auto volume = integer(ini.value(kSound, "hlasitost"))) {
        s.volume = std::clamp(*volume, kMinVolume, kMaxVolume);
    }
    s.muted = boolean(ini.value(kSound, "ztlumeno")).value_or(false);
    for (std::size_t i = 0; i < kControlActionCount; ++i) {
        if (auto keys = ini.value(kControls, kControlKeys[i])) s.controls[i] = *keys;
    }

    PracticeSettings& p = s.practice;
    p.archer = ini.value(kPractice, "lukostrelec").value_or("");
    if (auto distance = integer(ini.value(kPractice, "vzdalenost"))) {
        p.distance = nearest(kPracticeDistances, *distance);
    }
    if (auto ends = integer(ini.value(kPractice, "sady"))) {
        p.ends = std::clamp(*ends, kPracticeMinEnds, kPracticeMaxEnds);
    }
    p.timed = boolean(ini.value(kPractice, "casovyLimit")).value_or(false);
    if (auto seconds = integer(ini.value(kPractice, "sekundNaSadu"))) {
        p.secondsPerEnd = std::clamp(*seconds, kPracticeMinSeconds, kPracticeMaxSeconds);
    }
    BoutSettings& b = s.bouts;
    b.archer = ini.value(kBouts, "lukostrelec").value_or("");
    if (ini.value(kBouts, "kategorie") == kWomen) b.division = Division::Women;
    if (auto size = integer(ini.value(kBouts, "pavouk")))
        b.bracketSize = nearest(kBracketSizes, *size);
    b.fieldAtPlayerLevel = boolean(ini.value(kBouts, "souperiPodleUrovne")).value_or(false);
    b.timed = boolean(ini.value(kBouts, "casovyLimit")).value_or(false);
    return s;
}

void WritePlayerSettings(const PlayerSettings& settings, IniText& ini,
                         const KeyTextReader& readKeys) {
    const PlayerSettings before = ReadPlayerSettings(ini);
    if (settings.language != before.language) {
        if (settings.language.empty()) {
            ini.remove(kGame, "jazyk");
        } else {
            ini.set(kGame, "jazyk", settings.language);
        }
    }
    if (settings.fieldAtPlayerLevel != before.fieldAtPlayerLevel) {
        ini.set(kGame, "souperiPodleUrovne", text(settings.fieldAtPlayerLevel));
    }
    if (settings.wind != before.wind) {
        ini.set(kGame, "vitr", std::to_string(static_cast<int32_t>(settings.wind)));
    }
    if (settings.windowScale != before.windowScale) {
        ini.set(kWindow, "zvetseni", std::to_string(settings.windowScale));
    }
    if (settings.fullScreen != before.fullScreen) {
        ini.set(kWindow, "celaObrazovka", text(settings.fullScreen));
    }
    if (settings.volume != before.volume) {
        ini.set(kSound, "hlasitost", std::to_string(settings.volume));
    }
    if (settings.muted != before.muted) ini.set(kSound, "ztlumeno", text(settings.muted));
    const KeyBindings keys = KeyBindings::Read(settings.controls, readKeys);
    const KeyBindings keysBefore = KeyBindings::Read(before.controls, readKeys);
    for (std::size_t i = 0; i < kControlActionCount; ++i) {
        const auto action = static_cast<ControlAction>(i);
        if (keys.keys(action) != keysBefore.keys(action)) {
            ini.set(kControls, kControlKeys[i], settings.controls[i]);
        }
    }
    const PracticeSettings& p = settings.practice;
    const PracticeSettings& old = before.practice;
    if (p.archer != old.archer) ini.set(kPractice, "lukostrelec", p.archer);
    if (p.distance != old.distance) ini.set(kPractice, "vzdalenost", std::to_string(p.distance));
    if (p.ends != old.ends) ini.set(kPractice, "sady", std::to_string(p.ends));
    if (p.timed != old.timed) ini.set(kPractice, "casovyLimit", text(p.timed));
    if (p.secondsPerEnd != old.secondsPerEnd) {
        ini.set(kPractice, "sekundNaSadu", std::to_string(p.secondsPerEnd));
    }
    const BoutSettings& b = settings.bouts;
    const BoutSettings& oldBouts = before.bouts;
    if (b.archer != oldBouts.archer) ini.set(kBouts, "lukostrelec", b.archer);
    if (b.division != oldBouts.division) {
        ini.set(kBouts, "kategorie", std::string(b.division == Division::Women ? kWomen : kMen));
    }
    if (b.bracketSize != oldBouts.bracketSize) {
        ini.set(kBouts, "pavouk", std::to_string(b.bracketSize));
    }
    if (b.fieldAtPlayerLevel != oldBouts.fieldAtPlayerLevel) {
        ini.set(kBouts, "souperiPodleUrovne", text(b.fieldAtPlayerLevel));
    }
    if (b.timed != oldBouts.timed) ini.set(kBouts, "casovyLimit", text(b.timed));
}
