#include "tools/vexagen/Sights.h"

#include "rules/match/SightDrawing.h"
#include "tools/vexagen/Output.h"

QImage drawSight(int32_t kind) {
    if (kind < 1 || kind > kSightKinds) throw GenerateError("no sight " + std::to_string(kind));
    QImage image(kSightPictureSide, kSightPictureSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int32_t y = 0; y < kSightPictureSide; ++y) {
        for (int32_t x = 0; x < kSightPictureSide; ++x) {
            if (SightPixelIsBlack(kind, x, y)) image.setPixel(x, y, qRgba(0, 0, 0, 255));
        }
    }
    return image;
}
