#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include "rules/controls/GamepadMapping.h"

class PadFocusFrame;
class QLineEdit;
class QWidget;

// The pad in the menus and windows over the board, whatever window it is: its steps are carried
// out on the open menu, or else on the focus of the game's active window, mostly as the keys
// Qt's controls already know. The directions move the focus in tab order (unchecked options
// too), and change the value or the line where a control takes the arrows itself (lists, number
// fields, choosers); Choose presses Space on the focus; Back presses Esc ("Storno", "Zavřít");
// the shoulders turn the pages. A name or club field reached with the pad opens the on-screen
// keyboard. While the pad is in use, a frame marks the focus.
class PadNavigation final : public QObject {
    Q_OBJECT
  public:
    // `board` is the window the board is in: the pad plays the match there, so it is never framed.
    explicit PadNavigation(QWidget& board, QObject* parent = nullptr);
    ~PadNavigation() override;

    // A reading taken while a menu or a window stands over the board.
    void read(const GamepadReading& reading);
    // A reading the board played.
    void boardHadPad(const GamepadReading& reading) { navigator_.boardHadPad(reading); }
    // Frames the focus from now on, or no more.
    void showFocus(bool shown);

  private:
    void inPopup(QWidget& popup, NavigationCommand command);
    void inWindow(QWidget& window, NavigationCommand command);
    void moveFocus(QWidget& window, bool forward);
    void turnPage(QWidget& window, int by);
    void openKeyboard(QLineEdit& field);
    void frame(QWidget* focus);

    QWidget& board_;
    PadNavigator navigator_;
    QElapsedTimer clock_;
    GamepadFamily family_ = GamepadFamily::Generic;
    bool framed_ = false;
    // Made again when the window it stood in has gone.
    QPointer<PadFocusFrame> frame_;
};
