#pragma once

#include <QString>
#include <cstdint>

// The player's window size ([Okno] zvetseni) works as Qt's scale factor, on top of whatever
// scale the desktop and the player's own QT_SCALE_FACTOR already give: the whole game, its
// dialogs and the message boxes grow alike, and every coordinate the game handles stays in its
// own pixels. Qt reads the factor once, when the application is made, so a size chosen later
// takes effect at the next start.

// The size kept in the settings file of `gameFolder`; 100 when there is none or it is unusable.
// Reads the file directly, so it works before the application exists.
int32_t StoredWindowScale(const QString& gameFolder);

// Makes the game `percent` per cent of its size from now on. Call before the QApplication.
void ApplyWindowScale(int32_t percent);

// The size applied at start-up: 100 unless ApplyWindowScale said otherwise.
int32_t AppliedWindowScale();
