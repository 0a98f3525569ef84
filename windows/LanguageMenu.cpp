#include "windows/LanguageMenu.h"

#include <QActionGroup>

#include "platform/Translations.h"
#include "windows/FollowLanguage.h"

LanguageMenu::LanguageMenu(const std::string& chosen, QWidget* parent) : QMenu(parent) {
    auto* choices = new QActionGroup(this);
    const auto addChoice = [&](const std::string& language) {
        QAction* choice = addAction(QString());
        choice->setCheckable(true);
        choice->setData(QString::fromStdString(language));
        choices->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, language] {
            if (onChosen) onChosen(language);
        });
    };
    addChoice({});  // the desktop's language
    for (const std::string& language : SpokenLanguages()) addChoice(language);
    showChoice(chosen);
    FollowLanguage(this, [this] { retranslate(); });
}

void LanguageMenu::retranslate() {
    // Named in both languages, so that a player who cannot read the one finds the other.
    setTitle(tr("&Jazyk / Language"));
    for (QAction* choice : actions()) {
        const std::string language = choice->data().toString().toStdString();
        choice->setText(language.empty() ? tr("&Podle systému / System")
                                         : QStringLiteral("&") + LanguageName(language));
    }
}

void LanguageMenu::showChoice(const std::string& chosen) {
    const QString wanted = QString::fromStdString(chosen);
    QAction* system = nullptr;
    bool found = false;
    for (QAction* choice : actions()) {
        if (choice->data().toString().isEmpty()) system = choice;
        if (!wanted.isEmpty() && choice->data().toString() == wanted) {
            choice->setChecked(true);
            found = true;
        }
    }
    if (!found && system) system->setChecked(true);
}
