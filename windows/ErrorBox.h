#pragma once

#include <QString>

class QWidget;

// The game's general error box: a failure that ended what the player asked for (a picture that
// cannot be loaded), shown modally with the application's name as caption, and the game goes on.
void ShowErrorBox(QWidget* parent, const QString& text);
