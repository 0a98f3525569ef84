#include "platform/QtFileStore.h"

#include <algorithm>
#include <limits>

#include <QFileInfo>
#include <QSaveFile>
#include "platform/BoundedRead.h"

std::optional<std::string> QtFileStore::read(const std::string& path, std::size_t limit) {
    const auto bytes = ReadFileStart(
        QString::fromStdString(path),
        static_cast<qint64>(std::min<std::size_t>(limit, std::numeric_limits<qint64>::max())));
    if (!bytes) return std::nullopt;
    return bytes->toStdString();
}

bool QtFileStore::exists(const std::string& path) {
    return QFileInfo::exists(QString::fromStdString(path));
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
