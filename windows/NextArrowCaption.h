#pragma once

#include <QPixmap>
#include <QString>
#include <QStringView>

// The next-arrow control's pictures ("nextarrow0.bmp" before a match, "nextar.bmp", "nextsa.bmp")
// carry their captions in Czech, as the game's files hold them, the key line reading "klávesa D".
// In another language, or when `prompt` (the key line: what plays the next arrow now) reads
// otherwise, the captions are painted over, the files left as they are; a picture not of the
// game's size is the player's own and is shown as it is.
inline constexpr QStringView kPicturePrompt = u"klávesa D";
QPixmap WithTranslatedCaption(const QPixmap& picture, const QString& fileName,
                              const QString& prompt);
