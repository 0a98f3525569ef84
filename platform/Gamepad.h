#pragma once

#include <memory>
#include <string>

#include "rules/controls/GamepadMapping.h"

// The game controllers SDL knows, plugged in before or during the game. Only SDL's controller
// part is started: no window, no sound, no signal handlers of its own. Reading never waits:
// it takes what SDL has gathered since the previous reading, so the game reads once per tick.
class Gamepad {
  public:
    Gamepad();
    ~Gamepad();
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    // False when SDL could not start its controller part; the pad then reads as absent.
    bool started() const;
    GamepadReading read();
    // The name of the first connected controller, empty when none is.
    std::string name() const;

  private:
    struct Controllers;
    std::unique_ptr<Controllers> controllers_;
};
