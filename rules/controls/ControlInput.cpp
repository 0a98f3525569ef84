#include "rules/controls/ControlInput.h"

#include <algorithm>

#include "rules/match/MatchEngine.h"

int32_t VirtualKey(ControlAction action) {
    switch (action) {
        case ControlAction::Left:
            return kVkLeft;
        case ControlAction::Right:
            return kVkRight;
        case ControlAction::Up:
            return kVkUp;
        case ControlAction::Down:
            return kVkDown;
        case ControlAction::Draw:
            return kVkDraw;
        case ControlAction::Shoot:
            return kVkShoot;
        case ControlAction::NextArrow:
            return kVkNext;
    }
    return 0;
}

bool ControlInput::heldByKey(std::size_t action) const {
    return std::ranges::any_of(keysHeld_[action], [](KeyCode k) { return k != kNoKey; });
}

std::vector<KeyTransition> ControlInput::keyPressed(ControlAction action, KeyCode key) {
    ActionKeys& held = keysHeld_[static_cast<std::size_t>(action)];
    if (std::ranges::find(held, key) == held.end()) {
        auto free = std::ranges::find(held, kNoKey);
        if (free != held.end()) *free = key;
    }
    return {{VirtualKey(action), true}};
}

std::vector<KeyTransition> ControlInput::keyReleased(ControlAction action, KeyCode key) {
    const auto a = static_cast<std::size_t>(action);
    std::ranges::replace(keysHeld_[a], key, kNoKey);
    // A release whose press the window never saw still lets the action go, as it always did.
    if (heldByKey(a) || padHeld_[a]) return {};
    return {{VirtualKey(action), false}};
}

std::vector<KeyTransition> ControlInput::gamepad(const GamepadCommands& commands) {
    std::vector<KeyTransition> out;
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        if (padWaitsForRelease_[a]) {
            padWaitsForRelease_[a] = commands.held[a];
            continue;
        }
        const bool was = padHeld_[a];
        const bool held = commands.held[a];
        const bool pressed = commands.pressed[a];
        padHeld_[a] = held;
        const int32_t vk = VirtualKey(static_cast<ControlAction>(a));
        if (pressed || (held && !was)) out.push_back({vk, true});
        if (!held && (was || pressed) && !heldByKey(a)) out.push_back({vk, false});
    }
    return out;
}

void ControlInput::letGoOfAll() {
    keysHeld_ = {};
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        padWaitsForRelease_[a] = padWaitsForRelease_[a] || padHeld_[a];
    }
    padHeld_ = {};
}

std::vector<KeyTransition> ControlInput::padIgnored(const GamepadCommands& commands) {
    std::vector<KeyTransition> out;
    for (std::size_t a = 0; a < kControlActionCount; ++a) {
        if (padHeld_[a] && !heldByKey(a)) {
            out.push_back({VirtualKey(static_cast<ControlAction>(a)), false});
        }
        padHeld_[a] = false;
        padWaitsForRelease_[a] = commands.held[a];
    }
    return out;
}
