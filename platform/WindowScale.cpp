#include "platform/WindowScale.h"

#include <QByteArray>
#include <QDir>
#include <QtGlobal>

#include "platform/QtFileStore.h"
#include "rules/settings/SettingsFile.h"

namespace {

int32_t appliedScale = 100;

}  // namespace

int32_t StoredWindowScale(const QString& gameFolder) {
    QtFileStore files;
    const SettingsFile settings(
        files,
        QDir(gameFolder).filePath(QString::fromLatin1(SettingsFile::kFileName)).toStdString());
    return settings.settings().windowScale;
}

void ApplyWindowScale(int32_t percent) {
    appliedScale = percent;
    if (percent == 100) return;  // leaves the player's own factor, or its absence, untouched
    bool valid = false;
    double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&valid);
    if (!valid || factor <= 0) factor = 1.0;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor * percent / 100.0, 'g', 12));
}

int32_t AppliedWindowScale() {
    return appliedScale;
}
