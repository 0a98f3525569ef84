#pragma once

#include <QObject>
#include <functional>

#include "rules/controls/GamepadMapping.h"

class Gamepad;
class GameSession;
class PadNavigation;
class QTimer;
class QWidget;

// The player's keys and pad on their way to the match. Keys count wherever the focus is in
// `window` while no window or menu stands over it; the pad is read once per aiming tick while an
// arrow is aimed, and on a timer of its own between arrows. Whenever a window or menu opens over
// the board or the game loses the focus, every held action is let go, so that nothing stays
// drawn or fires when the player comes back; meanwhile the pad steps through that window or
// menu instead. It also knows whether the pad or the keyboard and mouse were used last.
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
    // The pad was the last thing the player used.
    bool padInUse() const { return padInUse_; }

    // The pad asks for the game menu.
    std::function<void()> onMenuAsked;
    // The pad asks for the board on the whole screen, or back in its window.
    std::function<void()> onFullScreenAsked;
    // A pad was plugged in or pulled out, one of another family came, or the player went over
    // from the pad to the keyboard or mouse or back: the hints name other controls.
    std::function<void()> onHintsChanged;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool boardInFront() const;
    bool handleKey(QEvent* event);
    void schedulePad();
    void usePadLast(bool pad);

    QWidget& window_;
    GameSession& session_;
    Gamepad* gamepad_ = nullptr;
    QTimer* padTimer_ = nullptr;
    PadNavigation* navigation_ = nullptr;
    GamepadReading pad_;
    bool padInUse_ = false;
};
