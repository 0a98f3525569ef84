#include "platform/ButtonCaption.h"

#include <QFont>
#include <QPainter>

namespace {

QFont captionFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void drawCaption(QPainter& painter, const QRect& box, const QString& text, const QFont& font,
                 bool enabled) {
    painter.setFont(font);
    if (!enabled) {  // engraved, as greyed captions are
        painter.setPen(Qt::white);
        painter.drawText(box.translated(1, 1), Qt::AlignCenter, text);
    }
    painter.setPen(enabled ? QColor(20, 20, 20) : QColor(140, 140, 140));
    painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

void DrawButtonCaptions(QPainter& painter, const QString& title, const QString& key, bool enabled) {
    drawCaption(painter, kButtonTitleBox, title, captionFont(16, true), enabled);
    drawCaption(painter, kButtonKeyBox, key, captionFont(10, false), enabled);
}
