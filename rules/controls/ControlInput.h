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

    // Forgets every action held, as when a window comes over the board: the engine is told
    // separately (MatchEngine::LetGoOfKeys). A key's press has to come again to count; what the
    // pad holds counts again only once the pad has let go of it.
    void letGoOfAll();
    // A reading of the pad taken while it may not play (a window over the board): what it held
    // goes up, and nothing it does reaches the match, now or when the board is back.
    std::vector<KeyTransition> padIgnored(const GamepadCommands& commands);

  private:
    bool heldByKey(std::size_t action) const;

    std::array<ActionKeys, kControlActionCount> keysHeld_{};
    std::array<bool, kControlActionCount> padHeld_{};
    // Held on the pad when the board was left: waits for the pad to let go.
    std::array<bool, kControlActionCount> padWaitsForRelease_{};
};
