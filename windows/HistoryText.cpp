#include "windows/HistoryText.h"

#include <QDateTime>
#include <QLocale>

QString HistoryUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString HistoryDateText(const std::string& iso) {
    const QDateTime when = QDateTime::fromString(HistoryUtf8(iso), Qt::ISODate);
    return when.isValid() ? QLocale(QLocale::Czech, QLocale::CzechRepublic)
                                .toString(when, QStringLiteral("d. M. yyyy H:mm"))
                          : HistoryUtf8(iso);
}
