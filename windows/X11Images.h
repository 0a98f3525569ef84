#pragma once

// On X11, sends the window's painted images through the connection instead of shared memory.
// Call before the QApplication is made; a choice already made in QT_XCB_NO_MITSHM stands.
//
// While an arrow is aimed, a few small areas are repainted 100 times a second. Each shared-
// memory image makes the X server send a completion event, which wakes the game's X thread
// and then its main thread once more every tick; copying those few kilobytes through the
// connection costs far less than the wake-ups.
void UsePlainX11Images();
