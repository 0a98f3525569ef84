#pragma once

// On X11, sends the window's painted images through the connection instead of shared memory.
// UsePlainX11Images goes before the QApplication is made, as Qt's X11 platform reads the setting
// while it connects; KeepPlainX11ImagesToX11 right after, when the platform Qt chose is known,
// takes the setting back on any other (a Wayland session), where it means nothing and should not
// reach the programs the game might start. A choice already made in QT_XCB_NO_MITSHM stands.
//
// While an arrow is aimed, a few small areas are repainted 100 times a second. Each shared-
// memory image makes the X server send a completion event, which wakes the game's X thread
// and then its main thread once more every tick; copying those few kilobytes through the
// connection costs far less than the wake-ups.
void UsePlainX11Images();
void KeepPlainX11ImagesToX11();
