#include "windows/X11Images.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QtGlobal>

namespace {

bool setHere = false;

}  // namespace

void UsePlainX11Images() {
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
        setHere = true;
    }
}

void KeepPlainX11ImagesToX11() {
    if (setHere && QGuiApplication::platformName() != QStringLiteral("xcb")) {
        qunsetenv("QT_XCB_NO_MITSHM");
        setHere = false;
    }
}
