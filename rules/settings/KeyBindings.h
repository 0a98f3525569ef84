#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/settings/PlayerSettings.h"

// Which keys play which action. A key is the toolkit's key number without modifiers; the
// numbers below are the toolkit's own, so the window passes keys on as they come.
using KeyCode = int32_t;
inline constexpr KeyCode kNoKey = 0;
// The menu bar opens with these; a binding may not take them away from it.
inline constexpr KeyCode kKeyAlt = 0x01000023;
inline constexpr KeyCode kKeyAltGr = 0x01001103;
inline constexpr KeyCode kKeyF10 = 0x01000039;
// Held, these turn the game's keys into shortcuts the window leaves alone; alone they do nothing.
inline constexpr KeyCode kKeyControl = 0x01000021;
inline constexpr KeyCode kKeyMeta = 0x01000022;

inline constexpr std::size_t kKeysPerAction = 2;
using ActionKeys = std::array<KeyCode, kKeysPerAction>;  // the second may be kNoKey

// Reads one [Ovladani] value: its keys in order, or nothing when the text is not a list of plain
// keys the toolkit knows. The toolkit's text format is the window's business.
using KeyTextReader = std::function<std::optional<std::vector<KeyCode>>(std::string_view)>;

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
