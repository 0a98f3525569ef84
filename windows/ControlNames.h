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
// What plays the action on a pad of that maker: "A", "křížový ovladač ← nebo levá páčka".
QString PadName(ControlAction action, GamepadFamily family);
// The pad's button that opens the game menu.
QString PadMenuName(GamepadFamily family);
// The pad's button that takes the board to the whole screen and back (Select).
QString PadFullScreenName(GamepadFamily family);

// The next-arrow control's tip and the help name the keys bound and the pad's buttons.
void ShowControlHints(QWidget& nextarrow, const KeyBindings& bindings, GamepadFamily family);
