// Pictures on a screen scaled by 150 %: each picture pixel becomes whole device pixels of its
// own colour, with no blended colour at any edge.

#include <QApplication>
#include <QtTest>
#include <set>

#include "windows/PixelImage.h"

namespace {

// Red and white in one-pixel checks: every edge a scaler could soften.
QPixmap checkerboard(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(255, 0, 0));
        }
    }
    return QPixmap::fromImage(image);
}

std::set<QRgb> coloursOf(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) | 0xff000000u);
    }
    return colours;
}

}  // namespace

class PixelImageTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void picturesKeepHardEdgesOnAScaledScreen_data() {
        QTest::addColumn<bool>("scaledContents");
        QTest::newRow("as drawn") << false;
        QTest::newRow("stretched to the label") << true;
    }

    void picturesKeepHardEdgesOnAScaledScreen() {
        QFETCH(bool, scaledContents);
        QCOMPARE(qApp->devicePixelRatio(), 1.5);
        PixelImage image;
        image.setGeometry(0, 0, 21, 20);
        image.setScaledContents(scaledContents);
        image.setPixmap(checkerboard({20, 20}));
        const QImage shown = image.grab(QRect(0, 0, 20, 20)).toImage();
        QCOMPARE(shown.size(), QSize(30, 30));
        const std::set<QRgb> expected = {qRgb(255, 255, 255), qRgb(255, 0, 0)};
        QCOMPARE(coloursOf(shown), expected);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    PixelImageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pixel_image.moc"
