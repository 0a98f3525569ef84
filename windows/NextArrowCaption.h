#pragma once

#include <QPixmap>
#include <QString>

// The next-arrow control's pictures ("nextarrow0.bmp" before a match, "nextar.bmp", "nextsa.bmp")
// carry their captions in Czech, as the game's files hold them. In another language the
// captions are painted over in that language, the files left as they are; a picture not of the
// game's size is the player's own and is shown as it is.
QPixmap WithTranslatedCaption(const QPixmap& picture, const QString& fileName);
