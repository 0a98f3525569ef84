#include "rules/controls/GamepadMapping.h"

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
