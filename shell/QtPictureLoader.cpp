#include "shell/QtPictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "shell/PictureError.h"

namespace {

[[noreturn]] void fail(const QString& message) { throw PictureError(message.toStdString()); }

}  // namespace

QPixmap LoadPictureFile(const QString& fileName) {
    const QString extension = QFileInfo(fileName).suffix().toLower();
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("Cannot open file %1").arg(fileName));
    }
    if (extension != u"ico" && extension != u"bmp") {
        fail(QStringLiteral("Unknown picture file extension (.%1)").arg(QFileInfo(fileName).suffix()));
    }
    QImageReader reader(&file, extension.toLatin1());
    QImage image = reader.read();
    if (image.isNull()) fail(QStringLiteral("Icon image is not valid"));
    return QPixmap::fromImage(image);
}
