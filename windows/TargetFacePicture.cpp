#include "windows/TargetFacePicture.h"

#include "platform/QtPictureLoader.h"
#include "rules/formats/PictureError.h"
#include "rules/match/Rounds.h"

TargetFacePicture LoadTargetFace(int32_t metres) {
    if (metres <= 0) return {{}, QStringLiteral(u"Není vybrána žádná vzdálenost.")};
    const std::optional<TargetFace> face = findTargetFace(metres);
    if (!face) return {{}, QStringLiteral(u"Pro %1 m hra nemá obrázek terče.").arg(metres)};
    try {
        return {LoadPictureFile(QString::fromLatin1(face->picture)), {}};
    } catch (const PictureError& error) {
        return {
            {},
            QStringLiteral(u"Obrázek terče nelze načíst: %1").arg(QString::fromUtf8(error.what()))};
    }
}
