#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>

// The bytes of a picture file in `format` ("ico", "bmp", "png"), for writing test files.
inline QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}
