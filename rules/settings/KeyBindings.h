#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/settings/KeyText.h"
#include "rules/settings/PlayerSettings.h"

inline constexpr KeyCode kKeyAlt = 0x01000023;
inline constexpr KeyCode kKeyAltGr = 0x01001103;
inline constexpr KeyCode kKeyF10 = 0x01000039;
// Held, these turn the game's keys into shortcuts the window leaves alone; alone they do nothing.
inline constexpr KeyCode kKeyControl = 0x01000021;
inline constexpr KeyCode kKeyMeta = 0x01000022;

inline constexpr std::size_t kKeysPerAction = 2;
using ActionKeys = std::array<KeyCode, kKeysPerAction>;  // the second may be kNoKey

class KeyBindings {
  public:
    // The bindings a settings file asks for. An action whose text names no usable key (none, an
    // unknown one, more than two, one the menu needs, or only keys an earlier action took) keeps
    // its default keys, as far as no other action took them.
    static KeyBindings Read(const std::array<std::string, kControlActionCount>& texts,
                            const KeyTextReader& read);

    const ActionKeys& keys(ControlAction action) const;
    // True when the settings named no usable key for the action and its defaults apply.
    bool fellBack(ControlAction action) const;
    std::optional<ControlAction> actionOf(KeyCode key) const;

    // Why a key was not bound: the menu needs it, or another action has it.
    struct Refusal {
        bool reserved = false;
        ControlAction holder = ControlAction::Left;
    };
    // Puts `key` in the action's first or second place. A key another action has is refused, never
    // taken from it; the action's own other place gives the key up.
    std::optional<Refusal> bind(ControlAction action, std::size_t place, KeyCode key);
    // The second key of the action, if any, goes.
    void unbindSecond(ControlAction action);
    void restoreDefaults();

    static bool Reserved(KeyCode key);

    friend bool operator==(const KeyBindings& a, const KeyBindings& b) {
        return a.keys_ == b.keys_;
    }

  private:
    std::array<ActionKeys, kControlActionCount> keys_{};
    std::array<ActionKeys, kControlActionCount> defaults_{};
    std::array<bool, kControlActionCount> fellBack_{};
};

// The [Ovladani] text of an action's keys, "A" or "Left, J", through the toolkit's key names.
std::string KeysText(const ActionKeys& keys, const std::function<std::string(KeyCode)>& name);
