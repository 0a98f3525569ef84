#pragma once

#include <QValidator>

// Text fields whose content becomes cp1250 game text: a keystroke or a paste that would bring
// in a character the code page cannot hold, or more than `maxLength` characters of it, is
// refused as it is typed.
class QtCp1250Validator final : public QValidator {
    Q_OBJECT
  public:
    explicit QtCp1250Validator(int maxLength, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

  private:
    int maxLength_;
};
