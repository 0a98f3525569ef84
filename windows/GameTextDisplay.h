#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "rules/formats/EncodedText.h"

// The texts the rules hand to the windows are Czech, as the game's files hold them; the windows
// show them in the interface's language, translated under the context "GameText". A text the
// catalogue does not know (a name, a number) is shown as it is.

// A message or a name of the rules. Numbers in it stand for the "%1", "%2" ... of its source.
QString TranslatedGameText(const QString& text);
QString TranslatedGameText(const std::string& cp1250);
QString TranslatedGameText(const Utf8Text& text);

// A round type's title as the statistics show it: "VEXA Kr. muži"; an unknown type by number.
QString TranslatedRoundTitle(int32_t roundType);

// A line of the results window: its leading blanks kept, and of a record's line
// ("<label> - <name> - <score>") only the label translated.
QString TranslatedListingLine(const std::string& cp1250);
