#include "windows/DesignFont.h"

#include <QStringList>

QFont DesignFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Nimbus Sans")});
    font.setPixelSize(11);
    return font;
}
