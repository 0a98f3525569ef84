#include "windows/DesignFont.h"

#include <QStringList>

QFont DesignFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Nimbus Sans")});
    font.setPixelSize(pixelSize);
    return font;
}
