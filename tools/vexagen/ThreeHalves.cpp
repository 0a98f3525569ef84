#include "tools/vexagen/ThreeHalves.h"

namespace {

int rank(QRgb pixel) {
    if (qAlpha(pixel) == 0) return 0;
    return qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)) == qRgb(0, 0, 0) ? 1 : 2;
}

// The picture pixels whose closed span, in sixths [6x - 3, 6x + 3], holds device centre 4X - 1.
int firstUnder(int device) {
    return (4 * device + 1) / 6;
}
int lastUnder(int device) {
    return (4 * device + 2) / 6;
}

}  // namespace

QImage pixelArtAtThreeHalves(const QImage& picture) {
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage image(source.width() * 3 / 2, source.height() * 3 / 2, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QRgb best = source.pixel(firstUnder(x), firstUnder(y));
            for (int py = firstUnder(y); py <= lastUnder(y); ++py) {
                for (int px = firstUnder(x); px <= lastUnder(x); ++px) {
                    const QRgb candidate = source.pixel(px, py);
                    if (rank(candidate) > rank(best)) best = candidate;
                }
            }
            image.setPixel(x, y, best);
        }
    }
    return image;
}
