#include "tools/vexagen/Markers.h"

#include <QPainter>
#include <QPolygon>
#include <cstdlib>

#include "rules/match/Geometry.h"

namespace {

constexpr QRgb kOutline = qRgb(0, 0, 0);
constexpr QRgb kHead = qRgb(150, 156, 170);  // steel: stands out on white and on black
constexpr QRgb kShaft = qRgb(250, 210, 70);
constexpr QRgb kFletching = qRgb(230, 30, 40);
constexpr QRgb kNock = qRgb(40, 200, 80);

// Style 1 in marker pixels: the tip at the top-left corner, the nock towards the opposite one,
// which stays clear so the tip is the only corner the icon reaches.
QImage drawArrowTowardsTopLeft() {
    const int size = kMarkerSize;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);

    QPainter painter(&image);  // aliased: crisp pixels, as small icons are drawn
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kHead));
    painter.drawPolygon(QPolygon({QPoint(0, 0), QPoint(10, 3), QPoint(3, 10)}));
    painter.end();

    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int across = x - y, along = x + y;
            if (across == 0 && along > 10 && along <= 54) image.setPixel(x, y, kShaft);
            if (std::abs(across) >= 2 && std::abs(across) <= 2 + (along - 40) / 4 && along >= 40 &&
                along <= 52) {
                image.setPixel(x, y, kFletching);
            }
            if (std::abs(across) <= 1 && along >= 55 && along <= 56) image.setPixel(x, y, kNock);
        }
    }

    // Outline every drawn pixel with its free neighbours.
    const QImage drawn = image.copy();
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (qAlpha(drawn.pixel(x, y)) != 0) continue;
            bool touches = false;
            for (int ny = std::max(0, y - 1); ny <= std::min(size - 1, y + 1); ++ny) {
                for (int nx = std::max(0, x - 1); nx <= std::min(size - 1, x + 1); ++nx) {
                    touches = touches || qAlpha(drawn.pixel(nx, ny)) != 0;
                }
            }
            if (touches) image.setPixel(x, y, kOutline);
        }
    }
    image.setPixel(0, 0, kOutline);  // the very tip, dark on every ring
    return image;
}

}  // namespace

QImage drawMarker(int32_t style) {
    const Point hotSpot = kMarkerHotSpot.at(static_cast<std::size_t>(style - 1));
    const bool right = hotSpot.x != 0, bottom = hotSpot.y != 0;
    return drawArrowTowardsTopLeft().mirrored(right, bottom);
}
