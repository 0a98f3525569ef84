#include "tools/vexagen/ProgramIcons.h"

#include <QPainter>
#include <QPainterPath>

#include "rules/match/Geometry.h"
#include "tools/vexagen/TargetFace.h"

namespace {

constexpr int kIconSize = 32;

}  // namespace

QImage drawProgramIcon() {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The face in the scoring's colours, two rings per colour as on the real target.
    const QPointF centre(15, 17);
    const qreal ringWidth = 14.5 / kTargetRings;
    painter.setPen(QPen(QColor(30, 30, 30), 0.8));
    for (int32_t ring = 1; ring <= kTargetRings; ring += 2) {
        painter.setBrush(QColor(ringShade(ring).fill));
        const qreal radius = (kTargetRings - ring + 1) * ringWidth;
        painter.drawEllipse(centre, radius, radius);
    }
    // An arrow stuck just off the centre, coming from the top right.
    const QPointF point = centre + QPointF(1.5, -1);
    const QPointF nock(30, 2);
    painter.setPen(QPen(QColor(40, 24, 10), 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(point, nock);
    painter.setPen(QPen(QColor(250, 210, 70), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(point, nock);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 30, 40));
    painter.drawPolygon(QPolygonF({QPointF(30, 2), QPointF(23, 5), QPointF(21, 11)}));
    painter.drawPolygon(QPolygonF({QPointF(30, 2), QPointF(27, 9), QPointF(21, 11)}));
    return image;
}

QImage drawRoundTypeIcon() {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);  // aliased, in the palette's pure colours only
    const QColor maroon(128, 0, 0), black(0, 0, 0), olive(128, 128, 0), grey(128, 128, 128),
        red(255, 0, 0), yellow(255, 255, 0);

    // A drawn bow, the string pulled back to the nock, the arrow pointing right.
    QPainterPath bow;
    bow.moveTo(21, 2);
    bow.cubicTo(31, 10, 31, 22, 21, 30);
    painter.setPen(QPen(maroon, 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(bow);
    painter.setPen(QPen(black, 1));
    painter.drawLine(21, 2, 6, 16);
    painter.drawLine(6, 16, 21, 30);

    painter.setPen(QPen(olive, 1));
    painter.drawLine(6, 16, 26, 16);
    painter.setPen(QPen(yellow, 1));
    painter.drawLine(28, 13, 28, 19);  // the grip's binding, over the shaft
    painter.setPen(Qt::NoPen);
    painter.setBrush(grey);
    painter.drawPolygon(QPolygon({QPoint(31, 16), QPoint(26, 13), QPoint(26, 19)}));
    painter.setBrush(red);
    painter.drawPolygon(QPolygon({QPoint(8, 15), QPoint(14, 15), QPoint(12, 13), QPoint(6, 13)}));
    painter.drawPolygon(QPolygon({QPoint(8, 17), QPoint(14, 17), QPoint(12, 19), QPoint(6, 19)}));
    return image;
}
