#pragma once

#include <QImage>
#include <cstdint>

// Sight 1..kSightKinds as an icon picture: the game's own drawing of it (shell/SightDrawing.h),
// black on a transparent ground, so the icon files, the chooser's pictures and the mouse
// pointer can never differ.
QImage drawSight(int32_t kind);
