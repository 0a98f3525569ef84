#pragma once

#include <QImage>

// The bow as the player sees it while drawing: the riser with its arrow rest and clicker
// (Klapacka, 125 x 100), the arrow on the string that slides over it (Arrow, 125 x 2, point at
// the right end) and the archer on the black panel (Lukostrelec, 116 x 126).
// `scale` device pixels for each picture pixel: the same paths painted at that resolution, for
// screens whose pixels do not repeat the picture's (the clicker's half pixel rounded up).
QImage drawClicker(qreal scale = 1);
QImage drawDrawnArrow();
QImage drawArcher(qreal scale = 1);
