#include "windows/GameTextDisplay.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <optional>

#include "platform/QtText.h"
#include "rules/formats/GameText.h"
#include "rules/history/RoundNames.h"
#include "rules/results/Listing.h"

namespace {

QString lookUp(const QString& source) {
    return QCoreApplication::translate(kGameTextContext, source.toUtf8().constData());
}

// The listing's header: its two heads translated, the distances' columns where they were.
std::optional<QString> translatedHeader(const QString& line) {
    const QString nameHead = QString::fromUtf8(kListingNameHead);
    const QString totalsHead = QString::fromUtf8(kListingTotalsHead);
    if (!line.startsWith(nameHead) || !line.endsWith(totalsHead)) return std::nullopt;
    const QString columns =
        line.mid(nameHead.size(), line.size() - nameHead.size() - totalsHead.size());
    const QString distances = columns.trimmed();
    const qsizetype distancesAt = nameHead.size() + columns.indexOf(distances);
    QString header = lookUp(nameHead) + QLatin1Char(' ');
    while (header.size() < distancesAt) header += QLatin1Char(' ');
    return header + columns.mid(columns.indexOf(distances)) + lookUp(totalsHead);
}

}  // namespace

QString TranslatedGameText(const QString& text) {
    const QString whole = lookUp(text);
    if (whole != text) return whole;
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QString pattern;
    QStringList numbers;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : number.globalMatch(text)) {
        numbers << m.captured();
        pattern += text.mid(from, m.capturedStart() - from) + QLatin1Char('%') +
                   QString::number(numbers.size());
        from = m.capturedEnd();
    }
    if (numbers.isEmpty()) return text;
    pattern += text.mid(from);
    QString translated = lookUp(pattern);
    if (translated == pattern) return text;
    for (const QString& n : numbers) translated = translated.arg(n);
    return translated;
}

QString TranslatedGameText(const std::string& cp1250) {
    return TranslatedGameText(fromCp1250(cp1250));
}

QString TranslatedGameText(const Utf8Text& text) {
    return TranslatedGameText(fromUtf8(text));
}

QString TranslatedListingLine(const std::string& cp1250) {
    const QString line = fromCp1250(cp1250);
    if (const std::optional<QString> header = translatedHeader(line)) return *header;
    qsizetype start = 0;
    while (start < line.size() && line[start] == QLatin1Char(' ')) ++start;
    const QString indent = line.left(start);
    const QString text = line.mid(start);
    const QString whole = lookUp(text);
    if (whole != text) return indent + whole;
    const QString separator = QStringLiteral(" - ");
    const qsizetype labelEnd = text.indexOf(separator);
    if (labelEnd <= 0) return line;
    return indent + lookUp(text.left(labelEnd)) + text.mid(labelEnd);
}

QString TranslatedRoundTitle(int32_t roundType) {
    const std::string round = RoundName(roundType);
    if (round.empty()) {
        return QCoreApplication::translate("GameText", "soutěž %1").arg(roundType);
    }
    return QCoreApplication::translate("GameText", "%1 %2", "round, division")
        .arg(lookUp(QString::fromStdString(round)),
             lookUp(QString::fromStdString(DivisionName(roundType))));
}
