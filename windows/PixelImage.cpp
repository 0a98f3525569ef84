#include "windows/PixelImage.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "platform/QtBuiltin.h"

PixelImage::PixelImage(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PixelImage::showGamePicture(const QPixmap& picture, const QString& name) {
    gamePicture_ = picture;
    gameName_ = name;
    setPixmap(PictureForScreen(picture, name, devicePixelRatioF() * shownScale_));
}

void PixelImage::setShownScale(qreal scale) {
    shownScale_ = scale;
    if (!gameName_.isEmpty()) showGamePicture(gamePicture_, gameName_);
}

void PixelImage::paintEvent(QPaintEvent* event) {
    if (pixmap().isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawPicture(painter);
}

void PixelImage::drawPicture(QPainter& painter) const {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    QPixmap picture = pixmap();
    if (!isEnabled()) {  // greyed as a plain label greys it
        QStyleOption option;
        option.initFrom(this);
        picture = style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
    }
    const QRect area = contentsRect();
    if (hasScaledContents()) {
        painter.drawPixmap(area, picture);
    } else {
        // From the top-left corner, clipped to the label, never centred.
        painter.setClipRect(area);
        painter.drawPixmap(area.topLeft(), picture);
    }
}
