#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "support/EncodedImage.h"
#include "support/FileBytes.h"
#include "support/ModalAnswers.h"
#include "windows/ClickableImage.h"
#include "windows/PixelImage.h"
#include "windows/SightChooser.h"

namespace {

// The chooser with the player's answers scripted: the file picked in OpenD (empty for a cancel)
// and the error boxes it would have shown.
class ScriptedChooser : public SightChooser {
  public:
    using SightChooser::SightChooser;
    QString pick;
    QString wanderTo;  // a folder the file dialog moves the current directory to
    int browsed = 0;
    QStringList errors;

  protected:
    QString chooseIconFile() override {
        ++browsed;
        if (!wanderTo.isEmpty()) QDir::setCurrent(wanderTo);
        return pick;
    }
    void showError(const QString& text) override { errors << text; }
};

QImage oldSight() {
    QImage image(33, 33, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    return image;
}

}  // namespace

class TestSightChooser : public QObject {
    Q_OBJECT

    QString gameDirectory_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<PixelImage> zamer_;

    void put(const QString& name, const QByteArray& bytes) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    void putRunFile(const QString& name) {
        QFile::remove(name);
        QVERIFY(QFile::copy(QStringLiteral(VEXA_RUN_DIR "/") + name, name));
    }
    QImage sight() const {
        return zamer_->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    }
    bool sightUnchanged() const { return sight() == oldSight(); }
    static void showChooser(SightChooser& form) {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }

  private Q_SLOTS:
    void initTestCase() {
        QCoreApplication::setApplicationName(QStringLiteral("VEXA 99"));
        gameDirectory_ = QDir::currentPath();
    }
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        QVERIFY(QDir::setCurrent(folder_->path()));
        zamer_ = std::make_unique<PixelImage>();
        zamer_->resize(33, 33);
        zamer_->setPixmap(QPixmap::fromImage(oldSight()));
    }
    void cleanup() {
        QDir::setCurrent(gameDirectory_);
        zamer_.reset();
        folder_.reset();
    }

    void hasTheDesignsLayout() {
        SightChooser form(*zamer_);
        QCOMPARE(form.windowTitle(), QStringLiteral(u"Zaměřovač..."));
        QCOMPARE(form.pos(), QPoint(236, 226));
        QVERIFY(form.minimumSize() != form.maximumSize());  // an ordinary resizable frame
        QCOMPARE(form.Image1->geometry(), QRect(8, 0, 32, 32));
        QCOMPARE(form.Image2->geometry(), QRect(40, 0, 32, 32));
        QCOMPARE(form.Image3->geometry(), QRect(8, 32, 32, 32));
        QCOMPARE(form.proch->text(), QStringLiteral(u"Procházet..."));
        QCOMPARE(form.proch->geometry(), QRect(88, 5, 89, 25));
        QVERIFY(!form.proch->icon().isNull());
        QVERIFY(!form.BitBtn1->icon().isNull());
        QCOMPARE(form.BitBtn1->text(), QStringLiteral(u"Nápověda"));
        QCOMPARE(form.BitBtn1->geometry(), QRect(88, 40, 89, 25));
        QVERIFY(form.rect().contains(form.proch->geometry().united(form.BitBtn1->geometry())));
        QCOMPARE(form.proch->nextInFocusChain(), form.BitBtn1);

        QCOMPARE(form.OpenD->nameFilters(), QStringList{QStringLiteral("Ikony (*.ico)")});
        QVERIFY(form.OpenD->testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(form.OpenD->acceptMode(), QFileDialog::AcceptOpen);
    }

    void showsTheSightsTheIconFilesHold() {
        SightChooser form(*zamer_);
        const QList<QPair<ClickableImage*, QString>> sights{
            {form.Image1, "z1.ico"}, {form.Image2, "z2.ico"}, {form.Image3, "z3.ico"}};
        auto ink = [](const QImage& image) {
            QList<QPoint> black;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    if (qAlpha(pixel) == 255 && qGray(pixel) < 128) black << QPoint(x, y);
                }
            }
            return black;
        };
        for (const auto& [image, file] : sights) {
            const QImage drawn = image->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage icon = QImage(QStringLiteral(VEXA_RUN_DIR "/") + file)
                                    .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(drawn.size(), icon.size());
            QCOMPARE(ink(drawn), ink(icon));
        }
    }

    void clickingASightLoadsItsIconAndCloses() {
        putRunFile("z2.ico");
        ScriptedChooser form(*zamer_);
        QList<int32_t> chosen;
        form.onSightChosen = [&](int32_t sight) { chosen << sight; };
        showChooser(form);
        QTest::mouseClick(form.Image2, Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QVERIFY(form.errors.isEmpty());
        QCOMPARE(chosen, QList<int32_t>{2});  // the history records which sight was used
        QCOMPARE(sight(), QImage("z2.ico").convertToFormat(QImage::Format_ARGB32));
    }

    void aMissingSightIconIsNamedAndTheChooserStays() {
        putRunFile("z2.ico");
        ScriptedChooser form(*zamer_);
        showChooser(form);
        QTest::mouseClick(form.Image1, Qt::LeftButton);
        QCOMPARE(form.errors, QStringList{QStringLiteral("Cannot open file z1.ico")});
        QVERIFY(form.isVisible());
        QVERIFY(sightUnchanged());
    }

    void unusableSightFilesLeaveTheSightAndTheChooser() {
        QByteArray cursor = RunFileBytes("z3.ico");
        cursor[2] = 2;
        put("z3.ico", cursor);
        QVERIFY(QDir::current().mkdir("z2.ico"));
        ScriptedChooser form(*zamer_);
        showChooser(form);
        QTest::mouseClick(form.Image3, Qt::LeftButton);
        QTest::mouseClick(form.Image2, Qt::LeftButton);
        const QStringList expected{QStringLiteral("Icon image is not valid"),
                                   QStringLiteral("Cannot open file z2.ico")};
        QCOMPARE(form.errors, expected);
        QVERIFY(form.isVisible());
        QVERIFY(sightUnchanged());
    }

    void browsingLoadsThePickedIconAndCloses() {
        putRunFile("z3.ico");
        ScriptedChooser form(*zamer_);
        showChooser(form);
        form.pick = QDir::current().absoluteFilePath("z3.ico");
        QList<int32_t> chosen;
        form.onSightChosen = [&](int32_t sight) { chosen << sight; };
        QTest::mouseClick(form.proch, Qt::LeftButton);
        QCOMPARE(form.browsed, 1);
        QCOMPARE(chosen, QList<int32_t>{4});
        QVERIFY(!form.isVisible());
        QCOMPARE(sight(), QImage("z3.ico").convertToFormat(QImage::Format_ARGB32));
    }

    void browsingClosesAfterACancelAndAfterAFailure() {
        ScriptedChooser form(*zamer_);
        showChooser(form);
        form.proch->click();
        QVERIFY(!form.isVisible());
        QVERIFY(form.errors.isEmpty());
        QVERIFY(sightUnchanged());

        put("face.png", encoded(oldSight(), "png"));
        form.pick = QDir::current().absoluteFilePath("face.png");
        showChooser(form);
        form.proch->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.errors, QStringList{QStringLiteral("Unknown picture file extension (.png)")});
        QVERIFY(sightUnchanged());
    }

    void picturesAreShownFromTheTopLeftAndClipped() {
        QImage large(64, 64, QImage::Format_ARGB32);
        large.fill(Qt::blue);
        QPainter(&large).fillRect(0, 0, 33, 33, Qt::red);
        large.setPixel(32, 32, qRgb(0, 255, 0));
        put("large.ico", encoded(large, "ico"));
        // However the window set its sight up, the picture must not be scaled or centred.
        zamer_->setScaledContents(true);
        zamer_->setAlignment(Qt::AlignCenter);
        ScriptedChooser form(*zamer_);
        form.pick = QDir::current().absoluteFilePath("large.ico");
        form.prochClick();
        QCOMPARE(sight().size(), QSize(33, 33));
        QCOMPARE(sight().pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(sight().pixel(32, 32), qRgb(0, 255, 0));
        const QImage shown = zamer_->grab().toImage();
        QCOMPARE(shown.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(shown.pixel(32, 32), qRgb(0, 255, 0));

        QImage small(16, 16, QImage::Format_ARGB32);
        small.fill(Qt::cyan);
        put("small.ico", encoded(small, "ico"));
        form.pick = QDir::current().absoluteFilePath("small.ico");
        form.prochClick();
        QCOMPARE(zamer_->grab().toImage().pixel(0, 0), qRgb(0, 255, 255));

        QImage huge(256, 256, QImage::Format_ARGB32);
        huge.fill(Qt::yellow);
        put("z1.ico", encoded(huge, "ico"));
        form.zam1();
        QCOMPARE(sight().size(), QSize(33, 33));
        QCOMPARE(sight().pixel(20, 20), qRgb(255, 255, 0));
    }

    void browsingLeavesTheCurrentDirectory() {
        QTemporaryDir elsewhere;
        QFile::copy(QStringLiteral(VEXA_RUN_DIR "/z2.ico"), elsewhere.filePath("far.ico"));
        const QString before = QDir::currentPath();
        ScriptedChooser form(*zamer_);
        form.wanderTo = elsewhere.path();
        form.pick = elsewhere.filePath("far.ico");
        form.prochClick();
        QCOMPARE(QDir::currentPath(), before);
        QVERIFY(form.errors.isEmpty());
        QVERIFY(!sightUnchanged());
    }

    void theFileDialogStartsHereAndCanBeCancelled() {
        SightChooser form(*zamer_);
        showChooser(form);
        QString startedIn;
        ModalAnswers answers({Answer<QFileDialog>([&](QFileDialog& dialog) {
            startedIn = dialog.directory().absolutePath();
            dialog.reject();
        })});
        form.proch->click();
        QCOMPARE(startedIn, QDir::currentPath());
        QVERIFY(!form.isVisible());
        QVERIFY(sightUnchanged());
    }

    void theFileDialogPicksAnIconElsewhere() {
        QTemporaryDir elsewhere;
        QFile::copy(QStringLiteral(VEXA_RUN_DIR "/z2.ico"), elsewhere.filePath("far.ico"));
        const QString before = QDir::currentPath();
        SightChooser form(*zamer_);
        showChooser(form);
        ModalAnswers answers({Answer<QFileDialog>([&](QFileDialog& dialog) {
            dialog.findChild<QLineEdit*>("fileNameEdit")->setText(elsewhere.filePath("far.ico"));
            QMetaObject::invokeMethod(&dialog, "accept");
            if (dialog.isVisible()) dialog.reject();  // fail rather than hang
        })});
        form.proch->click();
        QCOMPARE(QDir::currentPath(), before);
        QVERIFY(!form.isVisible());
        QCOMPARE(sight(),
                 QImage(elsewhere.filePath("far.ico")).convertToFormat(QImage::Format_ARGB32));
    }

    void failuresShowTheGeneralErrorBox() {
        SightChooser form(*zamer_);
        showChooser(form);
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        Qt::TextFormat format = Qt::AutoText;
        ModalAnswers answers({Answer<QMessageBox>([&](QMessageBox& box) {
            caption = box.windowTitle();
            text = box.text();
            icon = box.icon();
            format = box.textFormat();
            box.button(QMessageBox::Ok)->click();
        })});
        QTest::mouseClick(form.Image1, Qt::LeftButton);
        QCOMPARE(caption, QStringLiteral("VEXA 99"));
        QCOMPARE(text, QStringLiteral("Cannot open file z1.ico"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(format, Qt::PlainText);
        QVERIFY(form.isVisible());
        QVERIFY(sightUnchanged());
    }

    void helpKeepsTheChooserOpen() {
        ScriptedChooser form(*zamer_);
        showChooser(form);
        form.BitBtn1->click();
        QVERIFY(form.isVisible());
        QCOMPARE(form.browsed, 0);
        QVERIFY(sightUnchanged());
    }
};

QTEST_MAIN(TestSightChooser)
#include "tst_sight_chooser.moc"
