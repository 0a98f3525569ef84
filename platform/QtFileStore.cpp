#include "platform/QtFileStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

std::optional<std::string> QtFileStore::read(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (QFileInfo(file).isDir() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes.toStdString();
}

bool QtFileStore::write(const std::string& path, std::string_view bytes) {
    const QString name = QString::fromStdString(path);
    // A file the player has marked read-only stays as it is, even for a user whom the system
    // would let replace it.
    const QFileInfo existing(name);
    if (existing.exists() && !(existing.permissions() & QFileDevice::WriteOwner)) return false;
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    // commit() can report success after a short write, so every byte and the flush are checked
    // before the new file is allowed to replace the old one.
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}
