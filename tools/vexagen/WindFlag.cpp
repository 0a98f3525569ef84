#include "tools/vexagen/WindFlag.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

constexpr qreal kPoleX = kFlagWidth / 2.0;
constexpr qreal kPoleTop = 6;
constexpr qreal kClothHeight = 17;
// How far the cloth reaches from the pole and how steeply it hangs, by strength (0: limp).
constexpr qreal kReach[] = {5, 12, 17, 21};
constexpr qreal kDroopDegrees[] = {84, 50, 22, 4};
// A cloth blowing towards or away from the archer is seen end on: this much of its length shows.
constexpr qreal kForeshortened = 0.5;

// The cloth's outline from the pole out to its free end and back, its edges waving as a gust
// shakes it; the second shape of a flutter has the waves the other way.
QPainterPath cloth(const FlagPose& pose) {
    const qreal side = pose.toTheLeft ? -1 : 1;
    const qreal reach = kReach[pose.strength] * (pose.alongTheRange ? kForeshortened : 1);
    const qreal droop = kDroopDegrees[pose.strength] * std::numbers::pi / 180;
    const QPointF top(kPoleX, kPoleTop);
    const QPointF bottom(kPoleX, kPoleTop + kClothHeight);
    const QPointF out(side * reach * std::cos(droop), reach * std::sin(droop));
    // The free edge narrows as the cloth hangs: a limp flag is a strip along the pole.
    const qreal tail = kClothHeight * (pose.strength == 0 ? 0.9 : 0.75);
    const QPointF freeTop = top + out;
    const QPointF freeBottom = freeTop + QPointF(0, tail);
    const qreal wave = pose.strength == 0 ? 0 : (pose.flutter == 0 ? 2.0 : -2.0);
    const QPointF bend(0, wave);

    QPainterPath path(top);
    path.quadTo((top + freeTop) / 2 + bend, freeTop);
    path.lineTo(freeBottom);
    path.quadTo((bottom + freeBottom) / 2 - bend, bottom);
    path.closeSubpath();
    return path;
}

}  // namespace

QImage drawWindFlag(const FlagPose& pose, qreal scale) {
    QImage image((QSizeF(kFlagWidth, kFlagHeight) * scale).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    // The pole, with its knob, standing on the ground at the foot of the picture.
    painter.setPen(QPen(QColor(30, 30, 30), 1));
    painter.setBrush(QColor(220, 220, 210));
    painter.drawRect(QRectF(kPoleX - 1.5, kPoleTop - 1, 3, kFlagHeight - kPoleTop));
    painter.setBrush(QColor(240, 200, 40));
    painter.drawEllipse(QPointF(kPoleX, kPoleTop - 2.5), 2.5, 2.5);

    // An orange cloth with a white band across it, as range flags are made to be seen far off.
    const QPainterPath outline = cloth(pose);
    painter.setPen(QPen(QColor(60, 20, 0), 1));
    painter.setBrush(QColor(255, 110, 0));
    painter.drawPath(outline);
    painter.save();
    painter.setClipPath(outline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255));
    const QRectF box = outline.boundingRect();
    painter.drawRect(
        QRectF(box.left(), box.top() + box.height() * 0.4, box.width(), box.height() * 0.2));
    painter.restore();
    return image;
}
