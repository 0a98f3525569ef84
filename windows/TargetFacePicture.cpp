#include "windows/TargetFacePicture.h"

#include <QCoreApplication>

#include "platform/QtPictureLoader.h"
#include "rules/formats/PictureError.h"
#include "rules/match/Rounds.h"

TargetFacePicture LoadTargetFace(int32_t metres) {
    if (metres <= 0)
        return {{},
                QCoreApplication::translate("TargetFacePicture", "Není vybrána žádná vzdálenost.")};
    const std::optional<TargetFace> face = findTargetFace(metres);
    if (!face)
        return {{},
                QCoreApplication::translate("TargetFacePicture", "Pro %1 m hra nemá obrázek terče.")
                    .arg(metres)};
    try {
        return {LoadPictureFile(QString::fromLatin1(face->picture)), {}};
    } catch (const PictureError& error) {
        return {{},
                QCoreApplication::translate("TargetFacePicture", "Obrázek terče nelze načíst: %1")
                    .arg(QString::fromUtf8(error.what()))};
    }
}
