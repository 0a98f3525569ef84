#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The game's help: "Brantel2.hlp" in the game folder, shown by the game's own viewer.
// Opens the contents; then, if that worked, the topic of the key. The asking dialog stays open.
void ShowHelpTopic(const QString& key);
// Opens the help at its contents.
void ShowHelpContents();

// What the help names for its marked keys and buttons (see FillControlHints); the main window
// sets it whenever the bindings or the pad change. Until then the help shows what it was written
// with.
using HelpControlNames =
    std::function<std::optional<std::string>(std::string_view attribute, std::string_view value)>;
void SetHelpControlNames(HelpControlNames names);
