#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/QtPictureLoader.h"
#include "rules/formats/PictureError.h"
#include "support/EncodedImage.h"
#include "support/FileBytes.h"

namespace {

// The loader's message, or an empty text when the picture loaded.
QString errorOf(const QString& fileName) {
    try {
        LoadPictureFile(fileName);
    } catch (const PictureError& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

QImage filled(int side, QColor color) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

// One icon file holding the single pictures of several one-picture icons.
QByteArray iconOf(const QList<QImage>& pictures) {
    QList<QByteArray> singles;
    for (const QImage& picture : pictures) singles << encoded(picture, "ico");
    QByteArray out("\0\0\1\0", 4);
    out.append(char(pictures.size())).append('\0');
    quint32 offset = 6 + 16 * quint32(pictures.size());
    for (const QByteArray& single : singles) {
        QByteArray entry = single.mid(6, 16);
        const quint32 size = quint32(single.size()) - 22;
        for (int i = 0; i < 4; ++i) entry[12 + i] = char(offset >> (8 * i));
        out += entry;
        offset += size;
    }
    for (const QByteArray& single : singles) out += single.mid(22);
    return out;
}

}  // namespace

class TestPictureLoader : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(dir_.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write the test file");
        }
        return file.fileName();
    }

  private Q_SLOTS:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void loadsTheGamesOwnPictures() {
        const QPixmap sight = LoadPictureFile(QStringLiteral(VEXA_RUN_DIR "/z2.ico"));
        QCOMPARE(sight.size(), QSize(32, 32));
        const QPixmap target = LoadPictureFile(QStringLiteral(VEXA_RUN_DIR "/50.bmp"));
        QCOMPARE(target.size(), QSize(250, 250));
    }

    void theKindFollowsTheExtensionInAnyCase() {
        const QImage red = filled(32, Qt::red);
        QCOMPARE(errorOf(write("Upper.ICO", encoded(red, "ico"))), QString());
        QCOMPARE(errorOf(write("Mixed.Bmp", encoded(red, "bmp"))), QString());
        const QPixmap picture = LoadPictureFile(dir_.filePath("Upper.ICO"));
        QCOMPARE(picture.toImage().pixel(5, 5), qRgb(255, 0, 0));
    }

    void unknownExtensionsAreNamedWithoutTheirDot_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("png") << "face.png"
                             << "Unknown picture file extension (.png)";
        QTest::newRow("case kept") << "face.EMF"
                                   << "Unknown picture file extension (.EMF)";
        QTest::newRow("metafile") << "face.wmf"
                                  << "Unknown picture file extension (.wmf)";
        QTest::newRow("none") << "face"
                              << "Unknown picture file extension (.)";
        QTest::newRow("last one counts") << "z1.ico.txt"
                                         << "Unknown picture file extension (.txt)";
    }
    void unknownExtensionsAreNamedWithoutTheirDot() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        // A real picture under a name the loader does not know, and no file at all: the
        // extension decides before the file is looked at.
        QCOMPARE(errorOf(write(name, encoded(filled(32, Qt::red), "png"))), message);
        QCOMPARE(errorOf(dir_.filePath("missing/" + name)), message);
    }

    void aFileThatCannotBeOpenedIsNamedAsAskedFor() {
        QCOMPARE(errorOf("z9.ico"), QStringLiteral("Cannot open file z9.ico"));
        const QString czech = dir_.filePath(QStringLiteral(u"zaměřovač.bmp"));
        QCOMPARE(errorOf(czech), QStringLiteral("Cannot open file ") + czech);
        QVERIFY(QDir(dir_.path()).mkdir("folder.ico"));
        QCOMPARE(errorOf(dir_.filePath("folder.ico")),
                 QStringLiteral("Cannot open file ") + dir_.filePath("folder.ico"));
    }

    void iconsThatAreNotCompleteIconsAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray icon = encoded(filled(32, Qt::blue), "ico");
        QByteArray cursor = icon;
        cursor[2] = 2;
        QTest::newRow("cursor") << cursor;
        QTest::newRow("renamed bitmap") << encoded(filled(32, Qt::blue), "bmp");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut in the directory") << icon.left(15);
        QTest::newRow("one byte short") << icon.left(icon.size() - 1);
    }
    void iconsThatAreNotCompleteIconsAreRefused() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(errorOf(write("bad.ico", bytes)), QStringLiteral("Icon image is not valid"));
    }

    void stockIconsLoadLikeIcons() {
        QByteArray icon = encoded(filled(32, Qt::green), "ico");
        icon[2] = 0;
        const QPixmap picture = LoadPictureFile(write("stock.ico", icon));
        QCOMPARE(picture.toImage().pixel(0, 0), qRgb(0, 255, 0));
    }

    void bitmapsCutShortOrForeignAreRefused() {
        const QByteArray bitmap =
            encoded(filled(40, Qt::red).convertToFormat(QImage::Format_RGB888), "bmp");
        const QString invalid = QStringLiteral("Bitmap image is not valid");
        QCOMPARE(errorOf(write("cut.bmp", bitmap.left(bitmap.size() - 1))), invalid);
        QCOMPARE(errorOf(write("half.bmp", bitmap.left(bitmap.size() / 2))), invalid);
        QCOMPARE(errorOf(write("icon.bmp", encoded(filled(32, Qt::red), "ico"))), invalid);
        QCOMPARE(errorOf(write("empty.bmp", {})), invalid);
    }

    void anIconShowsItsSightSizedPicture() {
        const QByteArray icon =
            iconOf({filled(16, Qt::red), filled(32, Qt::green), filled(48, Qt::blue)});
        const QPixmap picture = LoadPictureFile(write("three.ico", icon));
        QCOMPARE(picture.size(), QSize(32, 32));
        QCOMPARE(picture.toImage().pixel(0, 0), qRgb(0, 255, 0));

        const QPixmap first =
            LoadPictureFile(write("two.ico", iconOf({filled(48, Qt::blue), filled(16, Qt::red)})));
        QCOMPARE(first.size(), QSize(48, 48));
    }

    void aLargeIconLoadsWhole() {
        QImage large = filled(256, Qt::blue);
        const QPixmap picture = LoadPictureFile(write("large.ico", encoded(large, "ico")));
        QCOMPARE(picture.size(), QSize(256, 256));
    }

    // Ten gigabytes that take no disk: refused by their size, before a byte is read.
    void aFileFarTooLargeIsNotRead() {
        const QString name = write("huge.ico", RunFileBytes("z1.ico"));
        QFile huge(name);
        QVERIFY(huge.resize(10LL << 30));
        QCOMPARE(errorOf(name), QStringLiteral("Icon image is not valid"));
    }
};

QTEST_MAIN(TestPictureLoader)
#include "tst_picture_loader.moc"
