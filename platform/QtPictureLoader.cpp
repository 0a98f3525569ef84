#include "platform/QtPictureLoader.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <string_view>

#include "platform/BoundedRead.h"
#include "rules/formats/BitmapHeader.h"
#include "rules/formats/IconHeader.h"
#include "rules/formats/PictureError.h"

namespace {

// No picture of the game comes near this; a larger file is not read into memory at all.
constexpr qint64 kLargestPictureFile = 16 * 1024 * 1024;

[[noreturn]] void fail(const QString& message) {
    throw PictureError(message.toStdString());
}

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QByteArray readWholeFile(const QString& fileName, const QString& invalidMessage) {
    // Only a regular file: a folder, a pipe or a device is no picture, and reading one could block.
    const QFileInfo info(fileName);
    if (!info.isFile()) fail(QStringLiteral("Cannot open file %1").arg(fileName));
    // Told by its size before a byte is read; one more byte read catches a file grown since.
    if (info.size() > kLargestPictureFile) fail(invalidMessage);
    const auto bytes = ReadFileStart(fileName, kLargestPictureFile + 1);
    if (!bytes) fail(QStringLiteral("Cannot open file %1").arg(fileName));
    if (bytes->size() > kLargestPictureFile) fail(invalidMessage);
    return *bytes;
}

QImage decode(QByteArray bytes, const char* format, int imageIndex) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    if (imageIndex > 0 && !reader.jumpToImage(imageIndex)) return {};
    return reader.read();
}

QImage readIcon(const QString& fileName) {
    const QString invalid = QStringLiteral("Icon image is not valid");
    QByteArray bytes = readWholeFile(fileName, invalid);
    const auto images = ReadIconDirectory(view(bytes));
    if (!images) fail(invalid);
    // Old stock icons (type 0) differ from icons in the type field alone; the reader knows type 1.
    bytes[2] = 1;
    QImage image = decode(bytes, "ico", static_cast<int>(PreferredIconImage(*images)));
    if (image.isNull()) fail(invalid);
    return image;
}

QImage readBitmap(const QString& fileName) {
    const QString invalid = QStringLiteral("Bitmap image is not valid");
    const QByteArray bytes = readWholeFile(fileName, invalid);
    if (!BitmapFileIsComplete(view(bytes))) fail(invalid);
    QImage image = decode(bytes, "bmp", 0);
    if (image.isNull()) fail(invalid);
    return image;
}

}  // namespace

QPixmap LoadPictureFile(const QString& fileName) {
    const QString extension = QFileInfo(fileName).suffix();
    const QString kind = extension.toLower();
    if (kind == u"ico") return QPixmap::fromImage(readIcon(fileName));
    if (kind == u"bmp") return QPixmap::fromImage(readBitmap(fileName));
    fail(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
}
