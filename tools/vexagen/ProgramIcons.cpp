#include "tools/vexagen/ProgramIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <initializer_list>

#include "rules/match/Geometry.h"
#include "tools/vexagen/TargetFace.h"

namespace {

constexpr int kIconSize = 32;

// The menu icon's drawing in the 32-pixel design's units, scaled to the size asked for.
class DesignGrid {
  public:
    explicit DesignGrid(int size) : scale_(static_cast<qreal>(size) / kIconSize) {}
    qreal scale() const { return scale_; }
    QPointF point(qreal x, qreal y) const { return {x * scale_, y * scale_}; }
    // A design rectangle on whole pixels, at least one pixel each way, so that it has no soft
    // edge at any size.
    QRect cells(qreal left, qreal top, qreal width, qreal height) const {
        const int x = qRound(left * scale_), y = qRound(top * scale_);
        return {x, y, std::max(1, qRound((left + width) * scale_) - x),
                std::max(1, qRound((top + height) * scale_) - y)};
    }
    QPolygonF polygon(std::initializer_list<QPointF> design) const {
        QPolygonF scaled;
        for (const QPointF& p : design) scaled << point(p.x(), p.y());
        return scaled;
    }

  private:
    qreal scale_;
};

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

QImage drawMenuIcon(int size) {
    const DesignGrid grid(size);
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal line = std::max<qreal>(1, 0.6 * grid.scale());

    // The bow's limbs and the string drawn back to the nock: curves and slants, smoothed.
    QPainterPath bow;
    bow.moveTo(grid.point(21, 2));
    bow.cubicTo(grid.point(31, 10), grid.point(31, 22), grid.point(21, 30));
    painter.setPen(
        QPen(QColor(128, 0, 0), std::max<qreal>(2, 3 * grid.scale()), Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(bow);
    painter.setPen(QPen(Qt::black, line));
    painter.drawPolyline(grid.polygon({{21, 2.5}, {6.5, 16.5}, {21, 30}}));

    // Shaft, binding and fletching lie on the pixel grid: no antialiased edge to blur them.
    painter.fillRect(grid.cells(6, 16, 20, 1), QColor(128, 128, 0));
    painter.fillRect(grid.cells(28, 13, 1, 7), QColor(255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(128, 128, 128));
    painter.drawPolygon(grid.polygon({{32, 16.5}, {26, 12.5}, {26, 20.5}}));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawPolygon(grid.polygon({{8, 16}, {14, 16}, {12, 13}, {6, 13}}));
    painter.drawPolygon(grid.polygon({{8, 17}, {14, 17}, {12, 20}, {6, 20}}));
    return image;
}
