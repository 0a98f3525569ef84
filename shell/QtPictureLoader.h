#pragma once

#include <QPixmap>
#include <QString>

// Loads a picture file the way the game's images take them: the kind follows the file name's
// extension ("ico", "bmp", ...), whatever its case. Throws PictureError (UTF-8 text) with the
// loader's message when the file cannot be used; nothing is returned half-read.
QPixmap LoadPictureFile(const QString& fileName);
