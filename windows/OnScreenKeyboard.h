#pragma once

#include <QDialog>
#include <vector>

#include "rules/controls/GamepadMapping.h"

class QLabel;
class QLineEdit;
class QPushButton;

// "Klávesnice": a name or a club typed with the pad. It offers every letter the game's files
// can hold, the digits and the marks names and clubs use; the pad moves over the keys, enters
// the letter under the focus, deletes the last one and confirms, which puts the text into the
// field it was opened for. The mouse and the keyboard type into it too. Made for one field and
// gone when closed. The game's own rather than Qt's virtual keyboard: in a Widgets program that
// one is a panel for touch and the mouse, which no focus reaches and no pad can steer.
class OnScreenKeyboard final : public QDialog {
    Q_OBJECT
  public:
    OnScreenKeyboard(QLineEdit& field, GamepadFamily family, QWidget* parent = nullptr);

    // What the pad asks: the directions move over the keys, Choose enters, Back deletes,
    // Confirm puts the text into the field and closes.
    void carryOut(NavigationCommand command);

    QLineEdit* Text;
    std::vector<QPushButton*> Keys;  // row after row; the case key and the space last
    QLabel* Napoveda;                // which of the pad's buttons does what

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void retranslate();
    void press(std::size_t key);
    void showCase();

    QLineEdit& field_;
    GamepadFamily family_;
    QList<QChar> letters_;  // small letters, digits and marks, in the order of the keys
    bool capitals_ = true;
};
