#include "platform/QtCp1250Validator.h"

#include "platform/QtText.h"

QtCp1250Validator::QtCp1250Validator(int maxLength, QObject* parent)
    : QValidator(parent), maxLength_(maxLength) {}

QValidator::State QtCp1250Validator::validate(QString& input, int&) const {
    // Counted in bytes of the code page: a character Qt holds as two code units never fits.
    const std::optional<std::string> bytes = toCp1250(input);
    if (!bytes || bytes->size() > static_cast<std::size_t>(maxLength_)) return Invalid;
    return Acceptable;
}
