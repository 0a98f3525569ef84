#pragma once

#include <QObject>
#include <functional>

#include "rules/controls/GamepadMapping.h"

class Gamepad;
class GameSession;
class QTimer;
class QWidget;

// The player's keys and pad on their way to the match. Keys count wherever the focus is in
// `window` while no window or menu stands over it; the pad is read once per aiming tick while an
// arrow is aimed, and on a timer of its own between arrows. Whenever a window or menu opens over
// the board or the game loses the focus, every held action is let go, so that nothing stays
// drawn or fires when the player comes back.
class BoardInput final : public QObject {
    Q_OBJECT
  public:
    BoardInput(QWidget& window, GameSession& session, QObject* parent = nullptr);
    ~BoardInput() override;

    void usePad(Gamepad& pad);
    // Reads the pad once and plays what it asks.
    void readPad();
    const GamepadReading& padReading() const { return pad_; }
    std::string padName() const;

    // The pad asks for the game menu.
    std::function<void()> onMenuAsked;
    // The pad asks for the board on the whole screen, or back in its window.
    std::function<void()> onFullScreenAsked;
    // A pad was plugged in or pulled out, or one of another family came.
    std::function<void()> onPadChanged;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool boardInFront() const;
    bool handleKey(QEvent* event);
    void schedulePad();

    QWidget& window_;
    GameSession& session_;
    Gamepad* gamepad_ = nullptr;
    QTimer* padTimer_ = nullptr;
    GamepadReading pad_;
};
