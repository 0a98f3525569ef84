#pragma once

#include <QString>

// The game's help: "Brantel2.hlp" in the game folder, shown by the game's own viewer.
// Opens the contents; then, if that worked, the topic of the key. The asking dialog stays open.
void ShowHelpTopic(const QString& key);
// Opens the help at its contents.
void ShowHelpContents();
