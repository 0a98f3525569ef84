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
