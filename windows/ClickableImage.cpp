#include "windows/ClickableImage.h"

#include <QMouseEvent>

ClickableImage::ClickableImage(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        isEnabled()) {
        Q_EMIT clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableImage::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) Q_EMIT doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
