#include "platform/Gamepad.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <span>
#include <vector>

static_assert(SDL_CONTROLLER_BUTTON_A == static_cast<int>(GamepadButton::South));
static_assert(SDL_CONTROLLER_BUTTON_B == static_cast<int>(GamepadButton::East));
static_assert(SDL_CONTROLLER_BUTTON_START == static_cast<int>(GamepadButton::Start));
static_assert(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER ==
              static_cast<int>(GamepadButton::RightShoulder));
static_assert(SDL_CONTROLLER_BUTTON_DPAD_RIGHT == static_cast<int>(GamepadButton::DpadRight));

namespace {

constexpr int kButtons = static_cast<int>(GamepadButton::DpadRight) + 1;

GamepadFamily familyOf(SDL_GameController* controller) {
    switch (SDL_GameControllerGetType(controller)) {
        case SDL_CONTROLLER_TYPE_PS3:
        case SDL_CONTROLLER_TYPE_PS4:
        case SDL_CONTROLLER_TYPE_PS5:
            return GamepadFamily::PlayStation;
        case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_PRO:
        case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_LEFT:
        case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_RIGHT:
        case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_PAIR:
            return GamepadFamily::Nintendo;
        default:
            return GamepadFamily::Generic;
    }
}

// The stronger of two stick positions, so that two pads at rest do not cancel one that moves.
int32_t stronger(int32_t a, int32_t b) {
    return std::abs(b) > std::abs(a) ? b : a;
}

}  // namespace

struct Gamepad::Controllers {
    bool started = false;
    std::vector<SDL_GameController*> open;
    // The pad a button was last pressed on: the hints name that maker's signs.
    SDL_JoystickID lastUsed = -1;

    SDL_GameController* inHand() const {
        const auto used = std::ranges::find_if(open, [this](SDL_GameController* c) {
            return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c)) == lastUsed;
        });
        return used != open.end() ? *used : open.empty() ? nullptr : open.front();
    }

    void add(int deviceIndex) {
        SDL_GameController* c = SDL_GameControllerOpen(deviceIndex);
        if (c != nullptr && std::ranges::find(open, c) == open.end()) open.push_back(c);
    }
    void remove(SDL_JoystickID instance) {
        std::erase_if(open, [instance](SDL_GameController* c) {
            if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c)) != instance) return false;
            SDL_GameControllerClose(c);
            return true;
        });
    }
};

Gamepad::Gamepad() : controllers_(std::make_unique<Controllers>()) {
    // The game has its own window and its own answer to signals; buttons are read by their
    // place, as the game's hints name them per maker.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    controllers_->started = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

Gamepad::~Gamepad() {
    if (!controllers_->started) return;
    for (SDL_GameController* c : controllers_->open) SDL_GameControllerClose(c);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool Gamepad::started() const {
    return controllers_->started;
}

GamepadReading Gamepad::read() {
    GamepadReading r;
    if (!controllers_->started) return r;
    SDL_PumpEvents();
    // However many events a pad sent since the last tick, they are taken in one go; only the
    // presses count, the rest is read as the state now.
    SDL_Event events[64];
    int count = 0;
    while ((count = SDL_PeepEvents(events, 64, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT)) > 0) {
        for (const SDL_Event& e : std::span(events, static_cast<std::size_t>(count))) {
            if (e.type == SDL_CONTROLLERDEVICEADDED) {
                controllers_->add(e.cdevice.which);
            } else if (e.type == SDL_CONTROLLERDEVICEREMOVED) {
                controllers_->remove(e.cdevice.which);
            } else if (e.type == SDL_CONTROLLERBUTTONDOWN && e.cbutton.button < kButtons) {
                r.pressed |= GamepadButtons{1} << e.cbutton.button;
                controllers_->lastUsed = e.cbutton.which;
            }
        }
    }
    if (SDL_GameController* used = controllers_->inHand()) {
        r.connected = true;
        r.family = familyOf(used);
    }
    for (SDL_GameController* c : controllers_->open) {
        for (int b = 0; b < kButtons; ++b) {
            if (SDL_GameControllerGetButton(c, static_cast<SDL_GameControllerButton>(b))) {
                r.held |= GamepadButtons{1} << b;
            }
        }
        r.stickX = stronger(r.stickX, SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX));
        r.stickY = stronger(r.stickY, SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY));
        r.rightTrigger = std::max<int32_t>(
            r.rightTrigger, SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    }
    return r;
}

std::string Gamepad::name() const {
    if (controllers_->open.empty()) return {};
    const char* name = SDL_GameControllerName(controllers_->open.front());
    return name != nullptr ? name : "";
}
