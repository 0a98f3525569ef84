#pragma once

#include <QMenu>
#include <functional>
#include <string>

// The "Jazyk / Language" submenu: the desktop's language, then each language the game speaks,
// the player's choice checked.
class LanguageMenu final : public QMenu {
    Q_OBJECT
  public:
    // `chosen` is the language the settings keep, "" for the desktop's.
    explicit LanguageMenu(const std::string& chosen, QWidget* parent = nullptr);

    // The player picked a language ("" for the desktop's).
    std::function<void(const std::string& language)> onChosen;

    // Checks `chosen`; a language the game does not speak is the desktop's, as the choice is
    // applied.
    void showChoice(const std::string& chosen);

  private:
    void retranslate();
};
