#pragma once

#include <QRect>
#include <QString>

class QPainter;

// The captions of the next-arrow button's pictures: a bold title over the key that plays it,
// engraved when the button is greyed. The pictures are drawn with them, and a language other
// than Czech paints its own over them in the same places.
inline constexpr QRect kButtonTitleBox{4, 52, 117, 24};
inline constexpr QRect kButtonKeyBox{4, 76, 117, 16};

void DrawButtonCaptions(QPainter& painter, const QString& title, const QString& key, bool enabled);
