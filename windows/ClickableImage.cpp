#include "windows/ClickableImage.h"

#include <QMouseEvent>

ClickableImage::ClickableImage(QWidget* parent) : PixelImage(parent) {}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        isEnabled()) {
        Q_EMIT clicked();
    }
    PixelImage::mouseReleaseEvent(event);
}

void ClickableImage::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) Q_EMIT doubleClicked();
    PixelImage::mouseDoubleClickEvent(event);
}
