#include "tools/vexagen/Bow.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "rules/match/Aiming.h"
#include "rules/match/Geometry.h"

namespace {

constexpr QSize kClickerSize(125, 100);
constexpr int32_t kClickerTop = 251;  // Klapacka's top in the window, under the target
constexpr QSize kDrawnArrowSize(125, 2);
constexpr QSize kArcherSize(116, 126);

// Where the drawn arrow lies over the clicker picture, and the column its point reaches just
// before the clicker falls: one pixel more and the point has slipped past the blade.
constexpr int32_t kArrowRow = kDrawnArrowTop - kClickerTop;
constexpr int32_t kBladeColumn = kDrawnArrowSize.width() - 1 + kClickerLeft;

void drawRiser(QPainter& painter) {
    const int rest = kArrowRow;
    const int riserLeft = kBladeColumn + 9;
    QPainterPath riser;
    riser.moveTo(riserLeft + 6, 0);
    riser.lineTo(112, 0);
    riser.cubicTo(110, 40, 108, 70, 114, 100);
    riser.lineTo(kBladeColumn - 6, 100);
    riser.cubicTo(kBladeColumn - 4, 86, kBladeColumn + 2, rest + 10, riserLeft - 2, rest + 3);
    riser.lineTo(riserLeft, rest - 2);
    riser.cubicTo(riserLeft + 8, rest - 14, riserLeft + 8, 20, riserLeft + 6, 0);

    QLinearGradient metal(riserLeft, 0, 112, 0);
    metal.setColorAt(0, QColor(40, 60, 110));
    metal.setColorAt(0.45, QColor(80, 110, 180));
    metal.setColorAt(1, QColor(24, 34, 70));
    painter.setPen(QPen(QColor(14, 20, 40), 1));
    painter.setBrush(metal);
    painter.drawPath(riser);

    // The wooden grip where the bow hand holds.
    QPainterPath grip;
    grip.moveTo(kBladeColumn - 3, 100);
    grip.cubicTo(kBladeColumn - 1, 88, kBladeColumn + 6, rest + 14, riserLeft + 8, rest + 12);
    grip.lineTo(106, rest + 12);
    grip.cubicTo(104, 80, 106, 92, 110, 100);
    grip.closeSubpath();
    QLinearGradient wood(kBladeColumn, 0, 110, 0);
    wood.setColorAt(0, QColor(120, 70, 30));
    wood.setColorAt(0.5, QColor(176, 112, 56));
    wood.setColorAt(1, QColor(96, 54, 22));
    painter.setBrush(wood);
    painter.drawPath(grip);

    // Arrow rest and pressure button, under and beside the arrow.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 30));
    painter.drawRect(QRectF(riserLeft - 8, rest + 2, 9, 2));
    painter.setBrush(QColor(200, 170, 60));
    painter.drawRect(QRectF(riserLeft - 5, rest - 5, 6, 4));
}

void drawClickerBlade(QPainter& painter) {
    const int riserLeft = kBladeColumn + 9;
    const int mountRow = kArrowRow - 26;
    // Extension bar from the riser to the blade, with its screw.
    painter.setPen(QPen(QColor(20, 20, 20), 1));
    painter.setBrush(QColor(60, 60, 66));
    painter.drawRect(QRectF(kBladeColumn - 1, mountRow, riserLeft - kBladeColumn + 3, 5));
    painter.setBrush(QColor(190, 190, 190));
    painter.drawEllipse(QPointF(riserLeft - 3, mountRow + 2.5), 1.6, 1.6);
    // The spring-steel blade, hanging over the arrow's path.
    QLinearGradient steel(kBladeColumn, 0, kBladeColumn + 2, 0);
    steel.setColorAt(0, QColor(250, 250, 250));
    steel.setColorAt(1, QColor(150, 150, 160));
    painter.setPen(Qt::NoPen);
    painter.setBrush(steel);
    painter.drawRect(QRectF(kBladeColumn, mountRow + 2, 2, kArrowRow - mountRow + 6));
}

}  // namespace

QImage drawClicker(qreal scale) {
    QImage image((QSizeF(kClickerSize) * scale).toSize(), QImage::Format_RGB32);  // 187.5: 188
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    QLinearGradient sky(0, 0, 0, kClickerSize.height());
    sky.setColorAt(0, QColor(176, 204, 226));
    sky.setColorAt(1, QColor(214, 226, 206));
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(image.size()) / scale), sky);
    drawRiser(painter);
    drawClickerBlade(painter);
    return image;
}

QImage drawDrawnArrow() {
    QImage image(kDrawnArrowSize, QImage::Format_RGB32);
    const int length = kDrawnArrowSize.width();
    for (int x = 0; x < length; ++x) {
        for (int y = 0; y < kDrawnArrowSize.height(); ++y) {
            QRgb colour = y == 0 ? qRgb(70, 74, 84) : qRgb(34, 36, 42);  // carbon shaft
            if (x < 3)
                colour = qRgb(240, 140, 20);  // nock
            else if (x >= 6 && x < 24)
                colour = (x / 6) % 2 ? qRgb(230, 30, 40) : qRgb(250, 250, 240);
            else if (x >= length - 9)
                colour = y == 0 ? qRgb(220, 220, 226) : qRgb(150, 150, 160);
            if (x == length - 1) colour = qRgb(100, 100, 110);  // the point itself
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

QImage drawArcher(qreal scale) {
    QImage image((QSizeF(kArcherSize) * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const QColor body(226, 226, 226), limbs(200, 200, 204), bow(240, 220, 160);

    auto limb = [&](QColor colour, qreal width, std::initializer_list<QPointF> points) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        QPainterPath path;
        path.moveTo(*points.begin());
        for (auto it = points.begin() + 1; it != points.end(); ++it) path.lineTo(*it);
        painter.drawPath(path);
    };

    // Legs astride, the torso upright.
    limb(limbs, 6, {{47, 78}, {40, 100}, {36, 123}});
    limb(limbs, 6, {{51, 78}, {58, 100}, {64, 123}});
    limb(body, 11, {{49, 44}, {48, 78}});
    // Bow arm straight out to the grip; the drawing arm folded, hand at the jaw.
    limb(limbs, 5, {{50, 44}, {96, 44}});
    limb(limbs, 5, {{48, 45}, {30, 42}, {52, 38}});
    // Head, the face turned along the arrow.
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(QPointF(51, 27), 8, 9);
    // The bow, its string drawn back to the hand, and the arrow.
    QPainterPath limbsOfBow;
    limbsOfBow.moveTo(88, 4);
    limbsOfBow.cubicTo(104, 24, 104, 64, 88, 84);
    painter.setPen(QPen(bow, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(limbsOfBow);
    painter.setPen(QPen(QColor(180, 180, 180), 1));
    painter.drawPolyline(QPolygonF({QPointF(88, 4), QPointF(53, 39), QPointF(88, 84)}));
    painter.setPen(QPen(QColor(250, 250, 250), 1.6));
    painter.drawLine(QPointF(52, 40), QPointF(108, 40));
    return image;
}
