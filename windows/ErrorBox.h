#pragma once

#include <QString>

#include <functional>

class QWidget;

// The game's general error box: a failure that ended what the player asked for (a picture that
// cannot be loaded), shown modally with the application's name as caption, and the game goes on.
void ShowErrorBox(QWidget* parent, const QString& text);

// Runs the game to its end. An error that escapes it is fatal: it is shown in the same box and
// on the standard error, and the program's exit status says that it failed.
int RunShowingFatalErrors(const std::function<int()>& game);
