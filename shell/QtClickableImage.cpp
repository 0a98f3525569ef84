#include "shell/QtClickableImage.h"

#include <QMouseEvent>

QtClickableImage::QtClickableImage(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void QtClickableImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        isEnabled()) {
        Q_EMIT clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void QtClickableImage::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) Q_EMIT doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
