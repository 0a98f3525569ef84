#pragma once

#include <array>
#include <cstdint>

#include "rules/settings/PlayerSettings.h"

// A game controller in the standard layout every known pad is mapped to: buttons by their place
// (south is A on most pads, cross on others), the left stick and the right trigger.
enum class GamepadButton : uint8_t {
    South,
    East,
    West,
    North,
    Back,
    Guide,
    Start,
    LeftStick,
    RightStick,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
};
using GamepadButtons = uint32_t;  // one bit per GamepadButton

constexpr GamepadButtons ButtonBit(GamepadButton button) {
    return GamepadButtons{1} << static_cast<unsigned>(button);
}

// The pads' makers print different signs on the same places; the hints name what the player
// sees.
enum class GamepadFamily { Generic, PlayStation, Nintendo };

// The controllers connected at one reading, taken together.
struct GamepadReading {
    bool connected = false;
    GamepadFamily family = GamepadFamily::Generic;
    GamepadButtons held = 0;
    // Went down since the previous reading, even if already up again: a tap between two ticks
    // counts as a key tapped between two ticks does.
    GamepadButtons pressed = 0;
    int32_t stickX = 0;        // left stick, -32768 (left) .. 32767
    int32_t stickY = 0;        // -32768 (up) .. 32767
    int32_t rightTrigger = 0;  // 0 .. 32767
};

// Past this a stick or trigger counts as pushed: about a quarter of the way, where worn sticks
// no longer rest.
inline constexpr int32_t kStickDeadZone = 8000;
inline constexpr int32_t kTriggerThreshold = 8000;

// What the pad asks of the game at a reading: per action, whether it is held and whether it was
// pressed since the previous reading; whether the game menu should open, and whether the board
// should go to the whole screen or back into its window.
struct GamepadCommands {
    std::array<bool, kControlActionCount> held{};
    std::array<bool, kControlActionCount> pressed{};
    bool openMenu = false;
    bool toggleFullScreen = false;
};

// The d-pad and the left stick steer, the right trigger or right shoulder draws, south releases,
// east takes the next arrow, Start opens the menu, Select (Back) switches the whole screen.
GamepadCommands ReadGamepadCommands(const GamepadReading& reading);
