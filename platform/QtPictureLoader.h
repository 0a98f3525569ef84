#pragma once

#include <QPixmap>
#include <QString>

// Loads a picture file the way the game's images take them. The kind follows the file name's
// extension, whatever its case: "ico" an icon (its 32 x 32 picture if it has one, else its first),
// "bmp" a bitmap. Metafiles ("wmf", "emf") cannot be drawn by the game's toolkit, so they are
// refused like every other extension. Throws PictureError (UTF-8 text) and returns nothing
// half-read; the checks run in this order:
//   - unknown extension, whether or not the file exists: "Unknown picture file extension (.ext)"
//   - not a readable regular file (missing, no rights, a folder): "Cannot open file <fileName>"
//   - an ".ico" that is no complete icon (a cursor, a renamed bitmap, cut short, empty) or has
//     no picture the reader can decode: "Icon image is not valid"
//   - a ".bmp" that is no complete bitmap: "Bitmap image is not valid"
QPixmap LoadPictureFile(const QString& fileName);
