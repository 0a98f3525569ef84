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

class EventCounter : public QObject {
  public:
    EventCounter(QEvent::Type type, int& count) : type_(type), count_(count) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_) ++count_;
        return false;
    }

  private:
    QEvent::Type type_;
    int& count_;
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

    // A tick's moves are on the screen when its frame ends, painted in one pass, with no
    // repaint request left for the event loop.
    void aFrameShowsItsMovesWhenItEnds() {
        Board<PixelImage> painting;
        Board<BackdropImage> drawn;
        // Opaque, as the game's target is: its parent then never paints beneath it.
        QPixmap face(40, 40);
        face.fill(Qt::gray);
        QPainter(&face).drawPixmap(0, 0, stripes({40, 40}, Qt::white, Qt::blue));
        painting.backdrop->setPixmap(face);
        drawn.backdrop->setPixmap(face);
        drawn.backdrop->setAttribute(Qt::WA_OpaquePaintEvent);
        drawn.parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&drawn.parent));
        int paints = 0;
        EventCounter counter(QEvent::Paint, paints);
        drawn.backdrop->installEventFilter(&counter);
        {
            const BackdropImage::Frame frame;
            drawn.backdrop->placeRider(*drawn.rider, {5, 7});
            drawn.backdrop->placeRider(*drawn.rider, {20, 9});
            QCOMPARE(paints, 0);
        }
        QCOMPARE(paints, 1);
        painting.rider->move(20, 9);
        const QImage shown = drawn.parent.screen()->grabWindow(drawn.parent.winId()).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                 painting.parent.grab().toImage().convertToFormat(QImage::Format_RGB32));
        QCoreApplication::processEvents();
        QCOMPARE(paints, 1);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BackdropImageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_backdrop_image.moc"
