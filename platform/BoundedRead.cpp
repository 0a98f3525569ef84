#include "platform/BoundedRead.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

std::optional<QByteArray> ReadFileStart(const QString& fileName, qint64 limit) {
    const QFileInfo info(fileName);
    QFile file(fileName);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    // QIODevice::read(n) reserves n bytes before it reads; ask only for what the file holds.
    const qint64 wanted = std::min(limit, file.size());
    QByteArray bytes = wanted > 0 ? file.read(wanted) : QByteArray();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}
