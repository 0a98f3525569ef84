#include "windows/HistoryText.h"

#include <QCoreApplication>
#include <QDateTime>

#include "platform/Translations.h"

QString HistoryUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString HistoryDateText(const std::string& iso) {
    const QDateTime when = QDateTime::fromString(HistoryUtf8(iso), Qt::ISODate);
    return when.isValid() ? SpokenLocale().toString(
                                when, QCoreApplication::translate("HistoryText", "d. M. yyyy H:mm"))
                          : HistoryUtf8(iso);
}
