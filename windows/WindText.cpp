#include "windows/WindText.h"

#include <QCoreApplication>

#include "platform/Translations.h"

QString WindText(const Wind& wind) {
    return QCoreApplication::translate("WindText", "%1 m/s %2")
        .arg(SpokenLocale().toString(wind.tenths / 10.0, 'f', 1),
             QString::fromUtf8(WindArrow(wind.fromDegrees)));
}
