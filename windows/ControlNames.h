#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/controls/GamepadMapping.h"
#include "rules/settings/KeyBindings.h"
#include "session/SessionSettings.h"

class QWidget;

// How the controls are written in "nastaveni.ini" (Qt's portable key-sequence text) and named
// to the player.

// The keys of a [Ovladani] value, "A" or "Left, J"; nothing when it is not a list of plain keys
// Qt knows.
std::optional<std::vector<KeyCode>> ReadKeysText(std::string_view text);
// A key in the settings' text.
std::string PortableKeyName(KeyCode key);
// How the settings hold keys, for the game session.
KeyTextFormat QtKeyText();

// "vlevo", "natáhnout luk", ...
QString ActionName(ControlAction action);
// The key as its cap reads: "←", "A", "Mezerník".
QString KeyName(KeyCode key);
// "A" or "A nebo J".
QString KeysName(const ActionKeys& keys);
// A button as a pad of that maker prints it: "A", "×", "Options", "RB".
QString PadButtonName(GamepadButton button, GamepadFamily family);
// What plays the action on a pad of that maker: "A", "křížový ovladač ← nebo levá páčka".
QString PadName(ControlAction action, GamepadFamily family);
// The pad's button that takes the board to the whole screen and back (Select).
QString PadFullScreenName(GamepadFamily family);

// What the hints name: the keys bound, and the pad's buttons; while the pad is what the player
// last used, the hints name its buttons and no keys.
struct ControlsInUse {
    const KeyBindings& bindings;
    GamepadFamily family = GamepadFamily::Generic;
    bool padInUse = false;
};

// The next-arrow control's tip and the help name the controls in use.
void ShowControlHints(QWidget& nextarrow, const ControlsInUse& controls);
// The line under the next-arrow picture's title: "klávesa D", "tlačítko B".
QString NextArrowPrompt(const ControlsInUse& controls);
// A message of the game's that names the next-arrow key as the game's texts have it, 'd': while
// the pad is in use, it names the pad's button instead.
QString WithNextArrowNamed(QString message, const ControlsInUse& controls);
