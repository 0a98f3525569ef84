#pragma once

#include <array>
#include <cstdint>
#include <optional>

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
    GamepadFamily family = GamepadFamily::Generic;  // of the pad a button was last pressed on
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

// What the pad asks of a window or a menu standing over the board.
enum class NavigationCommand : uint8_t {
    Up,
    Down,
    Left,
    Right,
    Choose,        // press the focused button, tick the focused box
    Back,          // "Storno", "Zavřít", or close the menu
    PreviousPage,  // left shoulder
    NextPage,      // right shoulder
    Confirm,       // Start
};
using NavigationCommands = uint32_t;  // one bit per NavigationCommand

constexpr NavigationCommands CommandBit(NavigationCommand command) {
    return NavigationCommands{1} << static_cast<unsigned>(command);
}

// The button each maker prints its "yes" on (A, or the cross) and its "no" (B, or the circle):
// Nintendo puts its A where the others have B.
GamepadButton ChooseButton(GamepadFamily family);
GamepadButton BackButton(GamepadFamily family);

// Past this the stick steps through a window: further than aiming needs, since every push is a
// whole step and a stick at rest must never make one.
inline constexpr int32_t kStickStep = 16000;

// The readings of the pad turned into steps through windows and menus. A button counts when it
// goes down; a direction (d-pad or left stick, whose stronger axis alone counts) when it is
// pushed, and again while it is held, as a held key repeats.
class PadNavigator {
  public:
    static constexpr int64_t kRepeatDelayMs = 400;
    static constexpr int64_t kRepeatIntervalMs = 100;

    NavigationCommands read(const GamepadReading& reading, int64_t nowMs);
    // A reading taken while the board had the pad: nothing steps, and a direction held now
    // steps only once it has come up, as the match's actions do.
    void boardHadPad(const GamepadReading& reading);

  private:
    struct Direction {
        bool held = false;
        std::optional<int64_t> nextStepMs;  // while held since a push
    };
    std::array<Direction, 4> directions_{};
};
