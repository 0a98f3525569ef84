#include "windows/X11Images.h"

#include <QByteArray>
#include <QtGlobal>

void UsePlainX11Images() {
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
    }
}
