#include "windows/NextArrowCaption.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include "platform/ButtonCaption.h"

namespace {

constexpr QSize kPictureSize{125, 100};
constexpr int kFaceColumn = 5;  // left of any caption: the button's face only

}  // namespace

QPixmap WithTranslatedCaption(const QPixmap& picture, const QString& fileName,
                              const QString& prompt) {
    const bool nextEnd = fileName == QStringLiteral("nextsa.bmp");
    const char* title = nextEnd ? QT_TRANSLATE_NOOP("NextArrowCaption", "Další sada")
                                : QT_TRANSLATE_NOOP("NextArrowCaption", "Další šíp");
    const QString translatedTitle = QCoreApplication::translate("NextArrowCaption", title);
    if (picture.size() != kPictureSize ||
        (translatedTitle == QString::fromUtf8(title) && prompt == kPicturePrompt)) {
        return picture;
    }
    QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    const QRect captions = kButtonTitleBox.united(kButtonKeyBox);
    // The face is shaded from top to bottom: each row is covered in its own colour.
    for (int y = captions.top(); y <= captions.bottom(); ++y) {
        painter.fillRect(QRect(captions.left(), y, captions.width(), 1),
                         image.pixelColor(kFaceColumn, y));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const bool enabled = fileName != QStringLiteral("nextarrow0.bmp");
    DrawButtonCaptions(painter, translatedTitle, prompt, enabled);
    painter.end();
    return QPixmap::fromImage(image);
}
