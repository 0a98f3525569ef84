#pragma once

#include <QImage>

// The program's own icon: a target with an arrow in it (32 x 32).
QImage drawProgramIcon();
// The round-type dialog's and the about box's picture: a bow and arrow in the sixteen colours
// of the classic palette (32 x 32).
QImage drawRoundTypeIcon();
// The menu icon: the round-type dialog's bow and arrow drawn afresh at `size` pixels, straight
// edges on whole pixels so that it stays sharp at every size of the desktop's icon theme.
QImage drawMenuIcon(int size);
