#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <memory>

namespace {

const QString kCatalogueFolder = QStringLiteral(":/i18n");
const QString kCataloguePrefix = QStringLiteral("vexa99_");

struct Spoken {
    std::string language{kSourceLanguage};
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> qt;
};

Spoken& spoken() {
    static Spoken current;
    return current;
}

QString catalogue(const std::string& language) {
    return kCatalogueFolder + QLatin1Char('/') + kCataloguePrefix +
           QString::fromStdString(language) + QStringLiteral(".qm");
}

std::unique_ptr<QTranslator> load(const QString& file, const QString& folder = {}) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder)) return nullptr;
    return translator;
}

void install(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> translator) {
    if (slot) QCoreApplication::removeTranslator(slot.get());
    slot = std::move(translator);
    if (slot) QCoreApplication::installTranslator(slot.get());
}

}  // namespace

std::vector<std::string> SpokenLanguages() {
    std::vector<std::string> languages{std::string(kSourceLanguage)};
    const QStringList files =
        QDir(kCatalogueFolder).entryList({kCataloguePrefix + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString& file : files) {
        const QString code = file.mid(kCataloguePrefix.size()).chopped(3);
        if (code.toStdString() != kSourceLanguage) languages.push_back(code.toStdString());
    }
    return languages;
}

EnvironmentLookup ProcessEnvironment() {
    return [](std::string_view name) -> std::optional<std::string> {
        if (const char* value = std::getenv(std::string(name).c_str())) return value;
        return std::nullopt;
    };
}

void SpeakLanguage(const std::string& language) {
    Spoken& now = spoken();
    std::unique_ptr<QTranslator> game = load(catalogue(language));
    const std::string speaking = game ? language : std::string(kSourceLanguage);
    // The source language's catalogue holds only the plural forms of the texts with a count.
    if (!game) game = load(catalogue(speaking));
    if (speaking == now.language && now.qt) return;
    const QString code = QString::fromStdString(speaking);
    QLocale::setDefault(QLocale(code));
    install(now.qt, load(QStringLiteral("qtbase_") + code,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    install(now.game, std::move(game));
    now.language = speaking;
}

std::string SpokenLanguage() {
    return spoken().language;
}

QLocale SpokenLocale() {
    return QLocale(QString::fromStdString(spoken().language));
}

QString LanguageName(const std::string& language) {
    // Each catalogue translates the source language's name into its own.
    const char* source = QT_TRANSLATE_NOOP("LanguageName", "Čeština");
    if (language == kSourceLanguage) return QString::fromUtf8(source);
    QTranslator translator;
    if (!translator.load(catalogue(language))) return QString::fromStdString(language);
    return translator.translate("LanguageName", source);
}
