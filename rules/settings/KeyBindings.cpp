#include "rules/settings/KeyBindings.h"

#include <algorithm>

namespace {

std::size_t index(ControlAction action) {
    return static_cast<std::size_t>(action);
}

// The keys a text names, when it names one or two keys that may be bound, else nothing.
std::optional<ActionKeys> usableKeys(const std::string& text, const KeyTextReader& read) {
    const std::optional<std::vector<KeyCode>> keys = read(text);
    if (!keys || keys->empty() || keys->size() > kKeysPerAction) return std::nullopt;
    ActionKeys result{};
    for (std::size_t i = 0; i < keys->size(); ++i) {
        const KeyCode key = (*keys)[i];
        if (key == kNoKey || KeyBindings::Reserved(key)) return std::nullopt;
        result[i] = key;
    }
    if (result[1] == result[0]) result[1] = kNoKey;
    return result;
}

}  // namespace

bool KeyBindings::Reserved(KeyCode key) {
    return key == kKeyAlt || key == kKeyAltGr || key == kKeyF10 || key == kKeyControl ||
           key == kKeyMeta;
}

KeyBindings KeyBindings::Read(const std::array<std::string, kControlActionCount>& texts,
                              const KeyTextReader& read) {
    KeyBindings b;
    const auto defaultTexts = PlayerSettings::DefaultControls();
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        b.defaults_[a] = usableKeys(defaultTexts[a], read).value_or(ActionKeys{});
    }
    // What the player asked for comes first; where two actions ask for one key, the earlier has it.
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        const std::optional<ActionKeys> asked = usableKeys(texts[a], read);
        if (!asked) continue;
        std::size_t kept = 0;
        for (KeyCode key : *asked) {
            if (key != kNoKey && !b.actionOf(key)) b.keys_[a][kept++] = key;
        }
    }
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        if (b.keys_[a][0] != kNoKey) continue;
        b.fellBack_[a] = true;
        std::size_t kept = 0;
        for (KeyCode key : b.defaults_[a]) {
            if (key != kNoKey && !b.actionOf(key)) b.keys_[a][kept++] = key;
        }
    }
    return b;
}

const ActionKeys& KeyBindings::keys(ControlAction action) const {
    return keys_[index(action)];
}

bool KeyBindings::fellBack(ControlAction action) const {
    return fellBack_[index(action)];
}

std::optional<ControlAction> KeyBindings::actionOf(KeyCode key) const {
    if (key == kNoKey) return std::nullopt;
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        if (std::ranges::find(keys_[a], key) != keys_[a].end()) {
            return static_cast<ControlAction>(a);
        }
    }
    return std::nullopt;
}

std::optional<KeyBindings::Refusal> KeyBindings::bind(ControlAction action, std::size_t place,
                                                      KeyCode key) {
    if (Reserved(key) || key == kNoKey) return Refusal{.reserved = true};
    const std::optional<ControlAction> holder = actionOf(key);
    if (holder && *holder != action) return Refusal{.holder = *holder};
    ActionKeys& keys = keys_[index(action)];
    const std::size_t other = place == 0 ? 1 : 0;
    if (keys[other] == key) keys[other] = kNoKey;
    keys[place == 0 ? 0 : 1] = key;
    // An action always has a first key.
    if (keys[0] == kNoKey) std::swap(keys[0], keys[1]);
    fellBack_[index(action)] = false;
    return std::nullopt;
}

void KeyBindings::unbindSecond(ControlAction action) {
    keys_[index(action)][1] = kNoKey;
}

void KeyBindings::restoreDefaults() {
    keys_ = defaults_;
    fellBack_ = {};
}

std::string KeysText(const ActionKeys& keys, const std::function<std::string(KeyCode)>& name) {
    std::string text;
    for (KeyCode key : keys) {
        if (key == kNoKey) continue;
        if (!text.empty()) text += ", ";
        text += name(key);
    }
    return text;
}
