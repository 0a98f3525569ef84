#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "rules/controls/GamepadMapping.h"
#include "rules/settings/KeyBindings.h"

// The engine's virtual key for an action: whatever key or button plays it, the engine sees the
// key it has always known, so every timing stays as it was.
int32_t VirtualKey(ControlAction action);

// One key the engine hears go down or up.
struct KeyTransition {
    int32_t virtualKey = 0;
    bool down = false;
    friend bool operator==(const KeyTransition&, const KeyTransition&) = default;
};

// The keys and the pad play the same actions side by side. Each real press reaches the engine
// as a key down, as it always did (so a second tap of the release is never lost); an action goes
// up only when nothing holds it any more, so letting go of a key does not cancel the pad's hold.
class ControlInput {
  public:
    std::vector<KeyTransition> keyPressed(ControlAction action, KeyCode key);
    std::vector<KeyTransition> keyReleased(ControlAction action, KeyCode key);
    // One reading of the pad, taken once per tick: whatever happened on it meanwhile, each
    // action goes down and up at most once.
    std::vector<KeyTransition> gamepad(const GamepadCommands& commands);

  private:
    bool heldByKey(std::size_t action) const;

    std::array<ActionKeys, kControlActionCount> keysHeld_{};
    std::array<bool, kControlActionCount> padHeld_{};
};
