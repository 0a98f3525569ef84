#include "tools/vexagen/Controls.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include "platform/ButtonCaption.h"

namespace {

constexpr QSize kNextArrowSize(125, 100);
constexpr QSize kStyleButtonSize(41, 40);

const QColor kFace(212, 208, 200);
const QColor kLight(255, 255, 255);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(40, 40, 40);
const QColor kGreyedInk(140, 140, 140);

// A button face with the two-step bevel of the classic desktop.
void drawButtonFrame(QPainter& painter, const QRect& rect, bool enabled) {
    QLinearGradient face(rect.topLeft(), rect.bottomLeft());
    face.setColorAt(0, enabled ? QColor(238, 236, 230) : kFace);
    face.setColorAt(1, enabled ? QColor(196, 192, 182) : kFace);
    painter.fillRect(rect, face);
    const QRect outer = rect.adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.setPen(kLight);
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(kDarkShadow);
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
    painter.setPen(kShadow);
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
}

// An arrow flying right, its tail at `tail`; greyed when the control cannot be used.
void drawFlyingArrow(QPainter& painter, QPointF tail, qreal length, bool enabled) {
    const QColor shaft = enabled ? QColor(110, 70, 30) : kGreyedInk;
    const QColor head = enabled ? QColor(60, 60, 70) : kGreyedInk;
    const QColor vane = enabled ? QColor(210, 30, 40) : kGreyedInk.lighter(115);
    const QPointF tip = tail + QPointF(length, 0);

    painter.setPen(QPen(shaft, 2.4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(tail, tip - QPointF(8, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(head);
    painter.drawPolygon(QPolygonF({tip, tip + QPointF(-11, -5), tip + QPointF(-11, 5)}));
    painter.setBrush(vane);
    for (qreal side : {-1.0, 1.0}) {
        painter.drawPolygon(
            QPolygonF({tail + QPointF(2, 0), tail + QPointF(16, 0), tail + QPointF(10, 6 * side),
                       tail + QPointF(-2, 6 * side)}));
    }
}

}  // namespace

QImage drawNextArrowControl(NextArrowPicture picture) {
    QImage image(kNextArrowSize, QImage::Format_RGB32);
    const bool enabled = picture != NextArrowPicture::BeforeMatch;
    const QString caption = picture == NextArrowPicture::NextEnd ? QStringLiteral(u"Další sada")
                                                                 : QStringLiteral(u"Další šíp");

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawButtonFrame(painter, image.rect(), enabled);
    if (picture == NextArrowPicture::NextEnd) {  // a whole end: three arrows
        for (int i = 0; i < 3; ++i)
            drawFlyingArrow(painter, QPointF(24 + 4 * i, 13 + 12 * i), 72, true);
    } else {
        drawFlyingArrow(painter, QPointF(24, 30), 76, enabled);
    }
    DrawButtonCaptions(painter, caption, QStringLiteral(u"klávesa D"), enabled);
    return image;
}

QImage drawStyleButton(Pointing direction) {
    QImage image(kStyleButtonSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawButtonFrame(painter, image.rect(), true);

    // Drawn pointing down about the middle, then turned.
    const QPointF middle(kStyleButtonSize.width() / 2.0, kStyleButtonSize.height() / 2.0);
    const qreal angle = direction == Pointing::Down   ? 0
                        : direction == Pointing::Left ? 90
                        : direction == Pointing::Up   ? 180
                                                      : 270;
    painter.translate(middle);
    painter.rotate(angle);
    painter.setPen(QPen(kDarkShadow, 1));
    painter.setBrush(QColor(30, 30, 30));
    painter.drawPolygon(QPolygonF({QPointF(-9, -5), QPointF(9, -5), QPointF(0, 7)}));
    return image;
}
