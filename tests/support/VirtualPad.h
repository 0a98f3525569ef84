#pragma once

#include <SDL.h>

// A pad plugged in through SDL's virtual controllers, as the game sees any other; SDL tells its
// maker from the USB vendor and product given.
class VirtualPad {
  public:
    static constexpr int kTriggerRest = -32768;

    explicit VirtualPad(Uint16 vendor = 0, Uint16 product = 0) {
        SDL_VirtualJoystickDesc desc{};
        desc.vendor_id = vendor;
        desc.product_id = product;
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Virtual pad";
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        joystick_ = index < 0 ? nullptr : SDL_JoystickOpen(index);
        // A virtual axis spans the whole range; the triggers rest at its low end.
        if (joystick_ != nullptr) {
            set(SDL_CONTROLLER_AXIS_TRIGGERLEFT, kTriggerRest);
            set(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, kTriggerRest);
        }
    }
    ~VirtualPad() { unplug(); }

    bool plugged() const { return joystick_ != nullptr; }
    void set(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
    }
    void set(SDL_GameControllerAxis axis, int value) {
        SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value));
    }
    void unplug() {
        if (joystick_ == nullptr) return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
        }
    }

  private:
    SDL_Joystick* joystick_ = nullptr;
};
