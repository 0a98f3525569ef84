#include "tools/vexagen/Output.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

void saveImage(const QImage& image, const QString& path) {
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    // BMP has no alpha: an opaque picture must not leave a stray alpha byte behind.
    const QImage toWrite = format == "bmp" ? image.convertToFormat(QImage::Format_RGB32) : image;
    QImageWriter writer(path, format);
    if (!writer.write(toWrite)) {
        throw GenerateError("cannot write " + path.toStdString() + ": " +
                            writer.errorString().toStdString());
    }
}

void saveBytes(std::string_view bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.flush()) {
        throw GenerateError("cannot write " + path.toStdString());
    }
}

std::string readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw GenerateError("cannot read " + path.toStdString());
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
