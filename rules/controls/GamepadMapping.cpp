#include "rules/controls/GamepadMapping.h"

#include <cstdlib>

namespace {

struct Binding {
    ControlAction action;
    GamepadButton button;
};

constexpr Binding kButtons[] = {
    {ControlAction::Left, GamepadButton::DpadLeft},
    {ControlAction::Right, GamepadButton::DpadRight},
    {ControlAction::Up, GamepadButton::DpadUp},
    {ControlAction::Down, GamepadButton::DpadDown},
    {ControlAction::Draw, GamepadButton::RightShoulder},
    {ControlAction::Shoot, GamepadButton::South},
    {ControlAction::NextArrow, GamepadButton::East},
};

struct Way {
    NavigationCommand command;
    GamepadButton dpad;
};

constexpr Way kWays[] = {
    {NavigationCommand::Up, GamepadButton::DpadUp},
    {NavigationCommand::Down, GamepadButton::DpadDown},
    {NavigationCommand::Left, GamepadButton::DpadLeft},
    {NavigationCommand::Right, GamepadButton::DpadRight},
};

bool stickToward(NavigationCommand way, const GamepadReading& r) {
    const bool across = std::abs(int64_t{r.stickX}) > std::abs(int64_t{r.stickY});
    switch (way) {
        case NavigationCommand::Left:
            return across && r.stickX < -kStickStep;
        case NavigationCommand::Right:
            return across && r.stickX > kStickStep;
        case NavigationCommand::Up:
            return !across && r.stickY < -kStickStep;
        case NavigationCommand::Down:
            return !across && r.stickY > kStickStep;
        default:
            return false;
    }
}

bool held(const Way& way, const GamepadReading& r) {
    return (r.held & ButtonBit(way.dpad)) != 0 || stickToward(way.command, r);
}

}  // namespace

GamepadCommands ReadGamepadCommands(const GamepadReading& reading) {
    GamepadCommands c;
    for (const Binding& b : kButtons) {
        const auto a = static_cast<std::size_t>(b.action);
        c.held[a] = (reading.held & ButtonBit(b.button)) != 0;
        c.pressed[a] = (reading.pressed & ButtonBit(b.button)) != 0;
    }
    auto holdAlso = [&c](ControlAction action, bool held) {
        c.held[static_cast<std::size_t>(action)] |= held;
    };
    holdAlso(ControlAction::Left, reading.stickX < -kStickDeadZone);
    holdAlso(ControlAction::Right, reading.stickX > kStickDeadZone);
    holdAlso(ControlAction::Up, reading.stickY < -kStickDeadZone);
    holdAlso(ControlAction::Down, reading.stickY > kStickDeadZone);
    holdAlso(ControlAction::Draw, reading.rightTrigger > kTriggerThreshold);
    c.openMenu = (reading.pressed & ButtonBit(GamepadButton::Start)) != 0;
    c.toggleFullScreen = (reading.pressed & ButtonBit(GamepadButton::Back)) != 0;
    return c;
}

GamepadButton ChooseButton(GamepadFamily family) {
    return family == GamepadFamily::Nintendo ? GamepadButton::East : GamepadButton::South;
}

GamepadButton BackButton(GamepadFamily family) {
    return family == GamepadFamily::Nintendo ? GamepadButton::South : GamepadButton::East;
}

NavigationCommands PadNavigator::read(const GamepadReading& reading, int64_t nowMs) {
    NavigationCommands commands = 0;
    for (std::size_t i = 0; i < std::size(kWays); ++i) {
        const Way& way = kWays[i];
        Direction& d = directions_[i];
        const bool now = held(way, reading);
        // A tap between two readings is a push too.
        const bool pushed = (now && !d.held) || (reading.pressed & ButtonBit(way.dpad)) != 0;
        if (pushed || (now && d.nextStepMs && nowMs >= *d.nextStepMs)) {
            commands |= CommandBit(way.command);
            // From now, not from when the step was due: a reading late by a long pause steps
            // once, not for every step it missed.
            d.nextStepMs = nowMs + (pushed ? kRepeatDelayMs : kRepeatIntervalMs);
        }
        if (!now) d.nextStepMs.reset();
        d.held = now;
    }
    const auto button = [&reading](GamepadButton b, NavigationCommand command) {
        return (reading.pressed & ButtonBit(b)) != 0 ? CommandBit(command) : 0;
    };
    commands |= button(ChooseButton(reading.family), NavigationCommand::Choose) |
                button(BackButton(reading.family), NavigationCommand::Back) |
                button(GamepadButton::LeftShoulder, NavigationCommand::PreviousPage) |
                button(GamepadButton::RightShoulder, NavigationCommand::NextPage) |
                button(GamepadButton::Start, NavigationCommand::Confirm);
    return commands;
}

void PadNavigator::boardHadPad(const GamepadReading& reading) {
    for (std::size_t i = 0; i < std::size(kWays); ++i) {
        directions_[i] = {.held = held(kWays[i], reading), .nextStepMs = std::nullopt};
    }
}
