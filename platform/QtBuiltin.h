#pragma once

#include <QPixmap>
#include <QString>

// A picture compiled into the game (":/builtin/<name>"), drawn by the game's generator.
QPixmap BuiltinPicture(const QString& name);

// `picture`, shown as the game's own picture `name` (a built-in one, or a target face, marker or
// sight icon read from the game folder), as it should be drawn on a screen of `ratio` device
// pixels per pixel. At 150 % the game has its faces, scope, sights, markers, clicker and archer
// drawn anew at that size, whose rings and lines a pixel-for-pixel enlargement would make uneven:
// for a picture that is still the game's own, that one, with its device pixel ratio set; for any
// other ratio, or a picture the player put in its place, `picture` itself.
QPixmap PictureForScreen(const QPixmap& picture, const QString& name, qreal ratio);
