#include "platform/QtBuiltin.h"

#include <QDir>

static void registerBuiltinPictures() {
    Q_INIT_RESOURCE(builtin);
}

QPixmap BuiltinPicture(const QString& name) {
    static const bool registered = (registerBuiltinPictures(), true);
    (void)registered;
    return QPixmap(QStringLiteral(":/builtin/") + name);
}

QPixmap PictureForScreen(const QPixmap& picture, const QString& name, qreal ratio) {
    if (!qFuzzyCompare(ratio, 1.5)) return picture;
    QPixmap sharp = BuiltinPicture(QStringLiteral("x1.5/") + name);
    if (sharp.isNull()) return picture;
    QPixmap own = BuiltinPicture(QStringLiteral("x1/") + name);
    if (own.isNull()) own = BuiltinPicture(name);
    const auto pixels = [](const QPixmap& p) {
        return p.toImage().convertToFormat(QImage::Format_ARGB32);  // a sight's ground counts
    };
    if (pixels(own) != pixels(picture)) return picture;
    sharp.setDevicePixelRatio(ratio);
    return sharp;
}
