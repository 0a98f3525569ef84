// A label drawn by the picture beneath it must look as it does when it paints itself.

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QtTest>

#include "windows/BackdropImage.h"

namespace {

QPixmap stripes(QSize size, QColor a, QColor b) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (int x = 0; x < size.width(); x += 2) painter.fillRect(x, 0, 1, size.height(), a);
    for (int y = 1; y < size.height(); y += 3) painter.fillRect(0, y, size.width(), 1, b);
    return picture;
}

// A board: a solid parent, a picture on it and a half-transparent label above the picture.
template <typename Backdrop>
struct Board {
    QWidget parent;
    Backdrop* backdrop = new Backdrop(&parent);
    PixelImage* rider = new PixelImage(&parent);
    Board() {
        parent.resize(60, 50);
        parent.setAutoFillBackground(true);
        parent.setPalette(QPalette(Qt::darkGreen));
        backdrop->setGeometry(0, 0, 40, 40);
        backdrop->setPixmap(stripes({40, 40}, Qt::white, Qt::blue));
        rider->setGeometry(0, 0, 12, 12);
        rider->setPixmap(stripes({12, 12}, QColor(255, 0, 0, 128), Qt::black));
    }
};

}  // namespace

class BackdropImageTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void theDrawnLabelLooksAsIfItPaintedItself_data() {
        QTest::addColumn<QList<QPoint>>("moves");
        QTest::addColumn<bool>("newPicture");
        QTest::newRow("on the picture") << QList<QPoint>{{5, 7}} << false;
        QTest::newRow("partly past its edge") << QList<QPoint>{{33, 30}} << false;
        QTest::newRow("partly past the parent's edge") << QList<QPoint>{{-4, -6}} << false;
        QTest::newRow("off it again") << QList<QPoint>{{5, 7}, {45, 20}} << false;
        QTest::newRow("back onto it") << QList<QPoint>{{45, 20}, {20, 20}} << false;
        QTest::newRow("given a new picture there") << QList<QPoint>{{5, 7}} << true;
    }

    void theDrawnLabelLooksAsIfItPaintedItself() {
        QFETCH(QList<QPoint>, moves);
        QFETCH(bool, newPicture);
        Board<PixelImage> painting;
        Board<BackdropImage> drawn;
        for (QPoint to : moves) {
            painting.rider->move(to);
            drawn.backdrop->placeRider(*drawn.rider, to);
        }
        if (newPicture) {
            const QPixmap sight = stripes({12, 12}, Qt::yellow, QColor(0, 0, 0, 60));
            painting.rider->setPixmap(sight);
            drawn.rider->setPixmap(sight);
            drawn.backdrop->riderChanged(*drawn.rider);
        }
        QCOMPARE(drawn.rider->geometry(), painting.rider->geometry());
        QCOMPARE(drawn.parent.grab().toImage(), painting.parent.grab().toImage());
    }

    // A picture standing on the backdrop, under the label passing over it, as if it were a
    // label of its own between them; in another picture, and taken away.
    void aFixtureLooksAsAPictureStandingBetween() {
        Board<PixelImage> painting;
        Board<BackdropImage> drawn;
        auto* standing = new PixelImage(&painting.parent);
        standing->setGeometry(20, 18, 14, 14);
        standing->stackUnder(painting.rider);
        painting.rider->move(24, 22);
        drawn.backdrop->placeRider(*drawn.rider, {24, 22});
        for (const QColor& colour : {QColor(0, 200, 0, 200), QColor(250, 120, 0)}) {
            const QPixmap flag = stripes({14, 14}, colour, Qt::gray);
            standing->setPixmap(flag);
            drawn.backdrop->setFixture(1, flag, standing->pos());
            QCOMPARE(drawn.parent.grab().toImage(), painting.parent.grab().toImage());
        }
        standing->hide();
        drawn.backdrop->setFixture(1, {}, {});
        QCOMPARE(drawn.parent.grab().toImage(), painting.parent.grab().toImage());
    }

    // A fixture given a picture that differs in a few pixels repaints only those: what reaches
    // the screen must still be the whole new picture, up to its first and last columns.
    void aChangedFixtureReachesTheScreenWhole() {
        Board<BackdropImage> drawn;
        drawn.parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&drawn.parent));
        const QPixmap flag = stripes({14, 14}, QColor(0, 200, 0, 200), Qt::gray);
        drawn.backdrop->setFixture(1, flag, {20, 18});
        QCoreApplication::processEvents();
        QImage changed = flag.toImage();
        changed.setPixelColor(0, 3, Qt::red);
        changed.setPixelColor(13, 9, Qt::yellow);
        changed.setPixelColor(6, 13, Qt::transparent);
        drawn.backdrop->setFixture(1, QPixmap::fromImage(changed), {20, 18});
        QCoreApplication::processEvents();
        const QImage shown = drawn.parent.screen()->grabWindow(drawn.parent.winId()).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                 drawn.parent.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BackdropImageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_backdrop_image.moc"
