#include "windows/TargetFacePicture.h"

#include <QCoreApplication>

#include "platform/QtPictureLoader.h"
#include "rules/formats/PictureError.h"
#include "rules/match/Rounds.h"

namespace {

QString text(const char* source) {
    return QCoreApplication::translate("TargetFacePicture", source);
}

}  // namespace

TargetFacePicture LoadTargetFace(int32_t metres) {
    if (metres <= 0) return {{}, text("Není vybrána žádná vzdálenost.")};
    const DistanceRules* rules = findDistance(metres);
    if (!rules) return {{}, text("Pro %1 m hra nemá obrázek terče.").arg(metres)};
    try {
        return {LoadPictureFile(QString::fromLatin1(rules->targetPicture)), {}};
    } catch (const PictureError& error) {
        return {{}, text("Obrázek terče nelze načíst: %1").arg(QString::fromUtf8(error.what()))};
    }
}
