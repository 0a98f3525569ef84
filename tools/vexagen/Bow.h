#pragma once

#include <QImage>

// The bow as the player sees it while drawing: the riser with its arrow rest and clicker
// (Klapacka, 125 x 100), the arrow on the string that slides over it (Arrow, 125 x 2, point at
// the right end) and the archer on the black panel (Lukostrelec, 116 x 126).
QImage drawClicker();
QImage drawDrawnArrow();
QImage drawArcher();
