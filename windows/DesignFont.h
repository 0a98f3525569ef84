#pragma once

#include <QFont>

// The font the windows were laid out for, "MS Sans Serif", 11 pixels high unless a window was
// laid out for another size. Where it is missing,
// Nimbus Sans (installed with the game) stands in: its letters are narrow enough for the Czech
// captions to fit the design's fixed control widths, which the desktop's default font is not.
QFont DesignFont(int pixelSize = 11);
