#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rules/formats/IniText.h"
#include "rules/match/Rounds.h"
#include "rules/match/Wind.h"
#include "rules/settings/KeyText.h"

// The player's settings beyond "Brantel2.ini", as "nastaveni.ini" keeps them. This file owns
// every section and key name, each default and each valid range; a value out of range reads as
// the nearest valid one, an unknown word as the default.

// The seven actions a key or a gamepad button can be bound to, in the order the controls
// dialog lists them.
enum class ControlAction { Left, Right, Up, Down, Draw, Shoot, NextArrow };
inline constexpr std::size_t kControlActionCount = 7;

struct PracticeSettings {  // [Trenink]
    std::string archer;    // UTF-8; empty the first time
    int32_t distance = 30;
    int32_t ends = 6;
    bool timed = false;
    int32_t secondsPerEnd = 0;  // 0: not chosen yet, the dialog proposes one for the distance
    friend bool operator==(const PracticeSettings&, const PracticeSettings&) = default;
};

struct BoutSettings {    // [Souboje]
    std::string archer;  // UTF-8; empty the first time
    Division division = Division::Men;
    int32_t bracketSize = 8;
    bool fieldAtPlayerLevel = false;
    bool timed = false;
    friend bool operator==(const BoutSettings&, const BoutSettings&) = default;
};

struct PlayerSettings {
    // [Hra] jazyk: the interface's language as a lower-case ISO 639 code ("cs", "en"); empty, the
    // key's absence, for the desktop's. Whether the game speaks it is decided where it is used.
    std::string language;
    bool fieldAtPlayerLevel = false;   // [Hra] souperiPodleUrovne
    WindLevel wind = WindLevel::Calm;  // [Hra] vitr: 0 .. 3; any other value is calm
    int32_t windowScale = 100;         // [Okno] zvetseni, per cent
    bool fullScreen = false;           // [Okno] celaObrazovka
    int32_t volume = 100;              // [Zvuk] hlasitost, per cent
    bool muted = false;                // [Zvuk] ztlumeno
    // [Ovladani]: each one or two keys in Qt's portable key-sequence text, "A" or "Left, J".
    // The text is kept as the player wrote it; whether Qt knows the key is the window's concern.
    std::array<std::string, kControlActionCount> controls = DefaultControls();
    PracticeSettings practice;
    BoutSettings bouts;

    // How loud the game's sounds play, in per cent: nothing while muted.
    int32_t audibleVolume() const { return muted ? 0 : volume; }

    static std::array<std::string, kControlActionCount> DefaultControls();
    friend bool operator==(const PlayerSettings&, const PlayerSettings&) = default;
};

inline constexpr std::array<int32_t, 4> kWindowScales = {100, 150, 200, 300};
inline constexpr int32_t kMinVolume = 0;
inline constexpr int32_t kMaxVolume = 100;
// Practice is shot at any distance the game has a target for.
inline constexpr std::array<int32_t, kTargetFaces.size()> kPracticeDistances = [] {
    std::array<int32_t, kTargetFaces.size()> metres{};
    for (std::size_t i = 0; i < metres.size(); ++i) metres[i] = kTargetFaces[i].metres;
    return metres;
}();
inline constexpr int32_t kPracticeMinEnds = 1;
inline constexpr int32_t kPracticeMaxEnds = 12;
inline constexpr int32_t kPracticeMinSeconds = 10;
inline constexpr int32_t kPracticeMaxSeconds = 600;

// The key under [Ovladani] for an action: "vlevo", "vpravo", "nahoru", "dolu", "natahnout",
// "vystrelit", "dalsiSip".
std::string_view ControlKeyName(ControlAction action);

PlayerSettings ReadPlayerSettings(const IniText& ini);
// Writes into `ini` only the settings whose value differs from what `ini` reads as, so that a
// value the game did not understand stays as the player wrote it until that setting changes. An
// action's keys differ when they bind other keys, as `readKeys` reads both texts.
void WritePlayerSettings(const PlayerSettings& settings, IniText& ini,
                         const KeyTextReader& readKeys);
