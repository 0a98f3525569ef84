#include "windows/NextArrowCaption.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

namespace {

constexpr QSize kPictureSize{125, 100};
constexpr QRect kTitleBox{4, 52, 117, 24};
constexpr QRect kKeyBox{4, 76, 117, 16};
constexpr int kFaceColumn = 5;  // left of any caption: the button's face only

QFont captionFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void drawCaption(QPainter& painter, const QRect& box, const QString& text, const QFont& font,
                 bool enabled) {
    painter.setFont(font);
    if (!enabled) {  // engraved, as the picture draws greyed captions
        painter.setPen(Qt::white);
        painter.drawText(box.translated(1, 1), Qt::AlignCenter, text);
    }
    painter.setPen(enabled ? QColor(20, 20, 20) : QColor(140, 140, 140));
    painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

QPixmap WithTranslatedCaption(const QPixmap& picture, const QString& fileName) {
    const bool nextEnd = fileName == QStringLiteral("nextsa.bmp");
    const char* title = nextEnd ? QT_TRANSLATE_NOOP("NextArrowCaption", "Další sada")
                                : QT_TRANSLATE_NOOP("NextArrowCaption", "Další šíp");
    const char* key = QT_TRANSLATE_NOOP("NextArrowCaption", "klávesa D");
    const QString translatedTitle = QCoreApplication::translate("NextArrowCaption", title);
    const QString translatedKey = QCoreApplication::translate("NextArrowCaption", key);
    if (picture.size() != kPictureSize ||
        (translatedTitle == QString::fromUtf8(title) && translatedKey == QString::fromUtf8(key))) {
        return picture;
    }
    QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    const QRect captions = kTitleBox.united(kKeyBox);
    // The face is shaded from top to bottom: each row is covered in its own colour.
    for (int y = captions.top(); y <= captions.bottom(); ++y) {
        painter.fillRect(QRect(captions.left(), y, captions.width(), 1),
                         image.pixelColor(kFaceColumn, y));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const bool enabled = fileName != QStringLiteral("nextarrow0.bmp");
    drawCaption(painter, kTitleBox, translatedTitle, captionFont(16, true), enabled);
    drawCaption(painter, kKeyBox, translatedKey, captionFont(10, false), enabled);
    painter.end();
    return QPixmap::fromImage(image);
}
