#pragma once

#include <QLocale>
#include <QString>
#include <string>
#include <vector>

#include "rules/settings/InterfaceLanguage.h"

// The interface's language at run time. Czech is the source of every text; its catalogue holds
// only the plural forms of the texts with a count. Every other language the game speaks is a
// catalogue built into the program (":/i18n/vexa99_<code>.qm", from
// translations/vexa99_<code>.ts).

// The languages the game speaks: Czech, then every built-in catalogue, by code.
std::vector<std::string> SpokenLanguages();

// The program's environment, for choosing the language the desktop asks for.
EnvironmentLookup ProcessEnvironment();

// Speaks `language` from now on: the game's catalogue and Qt's own (standard buttons and
// dialogs) replace those before, and every window is told (QEvent::LanguageChange). A catalogue
// that is missing or cannot be read leaves the interface Czech, without a word to the player.
void SpeakLanguage(const std::string& language);

// The language now spoken ("cs" until another is spoken).
std::string SpokenLanguage();
// How numbers and dates are written in it.
QLocale SpokenLocale();

// A language's own name, from its catalogue: "Čeština", "English".
QString LanguageName(const std::string& language);
